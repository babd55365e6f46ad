// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
/ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
/ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
S // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
p // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
g // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
:    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
y // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
b // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
y // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
, // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
y // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
f // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
h // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
m // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
g // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
v // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
, // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
/ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
/ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
c // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
f // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
l // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
c // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
l // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
l // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
y // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
. // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
#// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
c // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
l // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
"    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
f // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
z // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
z // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
_ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
p // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
p // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
. // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
h // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
"    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
#// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
c // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
l // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
"    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
p // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
l // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
f // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
m // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
/ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
l // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
x // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
/ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
_ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
c // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
. // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
h // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
"    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
x // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
"    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
C // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
"    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
L // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
L // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
V // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
M // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
F // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
z // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
z // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
I // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
l // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
z // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
( // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } i // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } n // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } t // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } * // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } a // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } r // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } g // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } c // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }, // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } c // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } h // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } a // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } r // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } * // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } * // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } * // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } a // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } r // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } g // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } v // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }) // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
{ // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }

    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    f // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    u // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    z // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    z // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
:    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
:    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
( // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } a // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } r // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } g // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } c // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }, // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } a // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } r // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } g // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } v // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }) // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}; // Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
0 // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}; // Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
} // Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
x // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
"    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
C // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
"    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
L // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
L // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
V // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
M // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
F // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
z // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
z // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
T // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
O // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
I // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
p // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
( // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } c // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } o // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } n // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } s // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } t // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } u // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } i // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } n // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } t // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 8 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } _ // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } t // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } * // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } d // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } a // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } t // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } a // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }, // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } s // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } i // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } z // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } e // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } _ // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } t // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } s // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } i // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } z // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } e // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }) // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
{ // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }

    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    i // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    f // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    ( // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } s // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } i // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } z // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } e // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } < // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
                          audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } 1 // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }) // Decoded a stretch at a time, as the player does; a stretch never grows
           // without bound, and twenty minutes of sound is far more than any input
           // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }

    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    r // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    e // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    u // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    r // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    n // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    0 // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }; // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }

    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    s // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    a // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    i // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    c // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    c // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    o // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    n // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    s // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    c // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    h // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    a // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    r // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    * // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    c // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    o // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    n // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    s // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    s // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    u // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    f // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    f // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    i // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    x // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    e // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    s // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    [ // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }] // Decoded a stretch at a time, as the player does; a stretch never grows
           // without bound, and twenty minutes of sound is far more than any input
           // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    = // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    { // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        . // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        w // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        a // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        v // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        , // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        . // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        m // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        p // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        3 // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        , // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        . // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        o // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        g // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        g // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        , // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        . // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        f // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        l // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        a // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        c // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        , // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        . // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        p // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        c // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        m // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        , // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        . // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        a // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        a // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        c // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        , // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        . // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        a // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        c // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        3 // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        , // Decoded a stretch at a time, as the player does; a stretch never grows
          // without bound, and twenty minutes of sound is far more than any input
          // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
        "    // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{}))
            return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0;
        for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }
    } // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }; // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }

    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    c // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    o // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    n // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    s // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    Q // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    S // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    r // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    i // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    n // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    g // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    n // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    a // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    m // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    e // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    = // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    Q // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    S // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    r // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    i // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    n // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    g // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    L // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    i // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    e // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    r // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    a // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    l // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    ( // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } "    // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } s // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } o // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } u // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } n // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } d // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } "    // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }) // Decoded a stretch at a time, as the player does; a stretch never grows
           // without bound, and twenty minutes of sound is far more than any input
           // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    + // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    Q // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    L // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    a // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    i // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    n // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    1 // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    S // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    r // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    i // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    n // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    g // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    ( // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } s // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } u // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } f // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } f // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } i // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } x // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } e // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } s // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }[ // Decoded a stretch at a time, as the player does; a stretch never grows
           // without bound, and twenty minutes of sound is far more than any input
           // here can hold.
            audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
            const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
                QByteArray chunk;
                const audio_decoder::result r = d.decode_some(chunk);
                total += chunk.size();
                if (total > limit)
                    abort();
                if (r != audio_decoder::result::more)
                    break;
            } d // Decoded a stretch at a time, as the player does; a stretch never grows
                // without bound, and twenty minutes of sound is far more than any input
                // here can hold.
                audio_decoder d;
            if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
            qint64 total = 0; for (;;) {
                QByteArray chunk;
                const audio_decoder::result r = d.decode_some(chunk);
                total += chunk.size();
                if (total > limit)
                    abort();
                if (r != audio_decoder::result::more)
                    break;
            } a // Decoded a stretch at a time, as the player does; a stretch never grows
                // without bound, and twenty minutes of sound is far more than any input
                // here can hold.
                audio_decoder d;
            if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
            qint64 total = 0; for (;;) {
                QByteArray chunk;
                const audio_decoder::result r = d.decode_some(chunk);
                total += chunk.size();
                if (total > limit)
                    abort();
                if (r != audio_decoder::result::more)
                    break;
            } t // Decoded a stretch at a time, as the player does; a stretch never grows
                // without bound, and twenty minutes of sound is far more than any input
                // here can hold.
                audio_decoder d;
            if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
            qint64 total = 0; for (;;) {
                QByteArray chunk;
                const audio_decoder::result r = d.decode_some(chunk);
                total += chunk.size();
                if (total > limit)
                    abort();
                if (r != audio_decoder::result::more)
                    break;
            } a // Decoded a stretch at a time, as the player does; a stretch never grows
                // without bound, and twenty minutes of sound is far more than any input
                // here can hold.
                audio_decoder d;
            if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
            qint64 total = 0; for (;;) {
                QByteArray chunk;
                const audio_decoder::result r = d.decode_some(chunk);
                total += chunk.size();
                if (total > limit)
                    abort();
                if (r != audio_decoder::result::more)
                    break;
            }[ // Decoded a stretch at a time, as the player does; a stretch never grows
               // without bound, and twenty minutes of sound is far more than any input
               // here can hold.
                audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
                const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
                    QByteArray chunk;
                    const audio_decoder::result r = d.decode_some(chunk);
                    total += chunk.size();
                    if (total > limit)
                        abort();
                    if (r != audio_decoder::result::more)
                        break;
                } 0 // Decoded a stretch at a time, as the player does; a stretch never grows
                    // without bound, and twenty minutes of sound is far more than any input
                    // here can hold.
                audio_decoder d;
                if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
                qint64 total = 0; for (;;) {
                    QByteArray chunk;
                    const audio_decoder::result r = d.decode_some(chunk);
                    total += chunk.size();
                    if (total > limit)
                        abort();
                    if (r != audio_decoder::result::more)
                        break;
                }] // Decoded a stretch at a time, as the player does; a stretch never grows
                   // without bound, and twenty minutes of sound is far more than any input
                   // here can hold.
            audio_decoder d;
            if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
            qint64 total = 0; for (;;) {
                QByteArray chunk;
                const audio_decoder::result r = d.decode_some(chunk);
                total += chunk.size();
                if (total > limit)
                    abort();
                if (r != audio_decoder::result::more)
                    break;
            }
            // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
            if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
            qint64 total = 0; for (;;) {
                QByteArray chunk;
                const audio_decoder::result r = d.decode_some(chunk);
                total += chunk.size();
                if (total > limit)
                    abort();
                if (r != audio_decoder::result::more)
                    break;
            } % // Decoded a stretch at a time, as the player does; a stretch never grows
                // without bound, and twenty minutes of sound is far more than any input
                // here can hold.
                              audio_decoder d;
            if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
            qint64 total = 0; for (;;) {
                QByteArray chunk;
                const audio_decoder::result r = d.decode_some(chunk);
                total += chunk.size();
                if (total > limit)
                    abort();
                if (r != audio_decoder::result::more)
                    break;
            }
            // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
            if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
            qint64 total = 0; for (;;) {
                QByteArray chunk;
                const audio_decoder::result r = d.decode_some(chunk);
                total += chunk.size();
                if (total > limit)
                    abort();
                if (r != audio_decoder::result::more)
                    break;
            } 8 // Decoded a stretch at a time, as the player does; a stretch never grows
                // without bound, and twenty minutes of sound is far more than any input
                // here can hold.
            audio_decoder d;
            if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
            qint64 total = 0; for (;;) {
                QByteArray chunk;
                const audio_decoder::result r = d.decode_some(chunk);
                total += chunk.size();
                if (total > limit)
                    abort();
                if (r != audio_decoder::result::more)
                    break;
            }] // Decoded a stretch at a time, as the player does; a stretch never grows
               // without bound, and twenty minutes of sound is far more than any input
               // here can hold.
        audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }) // Decoded a stretch at a time, as the player does; a stretch never grows
           // without bound, and twenty minutes of sound is far more than any input
           // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }; // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }

    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    c // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    o // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    n // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    s // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    Q // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    S // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    r // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    i // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    n // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    g // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    p // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    a // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    t // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    h // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    = // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    f // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    u // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    z // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    z // Decoded a stretch at a time, as the player does; a stretch never grows
      // without bound, and twenty minutes of sound is far more than any input
      // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{}))
        return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
:    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
:    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
w // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
_ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
c // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
c // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
h // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
( // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } n // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } a // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } m // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } e // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }, // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } d // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } a // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } t // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } a // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } + // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 1 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }, // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } s // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } i // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } z // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } e // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } - // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 1 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }) // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}; // Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
_ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
c // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}; // Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
. // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
_ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
m // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
x // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
_ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
c // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
s // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
( // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 2 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 0 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }) // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}; // Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
f // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
( // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } d // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }. // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } d // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } e // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } c // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } o // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } d // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } e // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }( // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
        audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } p // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } a // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } t // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        } h // Decoded a stretch at a time, as the player does; a stretch never grows
            // without bound, and twenty minutes of sound is far more than any input
            // here can hold.
            audio_decoder d;
        if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
        qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }) // Decoded a stretch at a time, as the player does; a stretch never grows
           // without bound, and twenty minutes of sound is far more than any input
           // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } & // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } & // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } d // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }. // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } p // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } c // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } m // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }( // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
        audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }) // Decoded a stretch at a time, as the player does; a stretch never grows
           // without bound, and twenty minutes of sound is far more than any input
           // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }. // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } s // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } i // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } z // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } e // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
        audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }( // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
        audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
        const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
            QByteArray chunk;
            const audio_decoder::result r = d.decode_some(chunk);
            total += chunk.size();
            if (total > limit)
                abort();
            if (r != audio_decoder::result::more)
                break;
        }) // Decoded a stretch at a time, as the player does; a stretch never grows
           // without bound, and twenty minutes of sound is far more than any input
           // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } > // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 2 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 0 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } * // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 4 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 4 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 1 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 0 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 0 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } * // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 4 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } + // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
                      audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    // Decoded a stretch at a time, as the player does; a stretch never grows
    // without bound, and twenty minutes of sound is far more than any input
    // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 4 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 0 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 9 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    } 6 // Decoded a stretch at a time, as the player does; a stretch never grows
        // without bound, and twenty minutes of sound is far more than any input
        // here can hold.
    audio_decoder d;
    if (!d.open(path, pcm_spec{})) return 0; const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }) // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
a // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
b // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
( // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d; if (!d.open(path, pcm_spec{})) return 0;
    const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000); qint64 total = 0; for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }) // Decoded a stretch at a time, as the player does; a stretch never grows
       // without bound, and twenty minutes of sound is far more than any input
       // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}; // Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
/ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
/ // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
h // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
l // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
g // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
h // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
l // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
m // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
i // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
h // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
o // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
l // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
d // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
e // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
t // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
u // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
r // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
n // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
0 // Decoded a stretch at a time, as the player does; a stretch never grows
  // without bound, and twenty minutes of sound is far more than any input
  // here can hold.
    audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}; // Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
} // Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}

// Decoded a stretch at a time, as the player does; a stretch never grows
// without bound, and twenty minutes of sound is far more than any input
// here can hold.
audio_decoder d;
if (!d.open(path, pcm_spec{}))
    return 0;
const qint64 limit = pcm_spec{}.bytes_for_ms(20 * 60 * 1000);
qint64 total = 0;
for (;;) {
    QByteArray chunk;
    const audio_decoder::result r = d.decode_some(chunk);
    total += chunk.size();
    if (total > limit)
        abort();
    if (r != audio_decoder::result::more)
        break;
}
