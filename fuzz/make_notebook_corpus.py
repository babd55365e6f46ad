#!/usr/bin/env python3
"""Writes the small notebook.db seeds for fuzz_notebook_db: text pages in
both editor modes, a picture page with a caption, an empty notebook and a
file that is not a database. The shipped seed itself comes from
tools/notebook_seed (copied in as seed.db)."""
import os
import sqlite3
import sys

SCHEMA = [
    "CREATE TABLE notebook (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, data BLOB, "
    "image INTEGER NOT NULL DEFAULT 0, comment TEXT DEFAULT '', pos_x REAL DEFAULT 0, "
    "pos_y REAL DEFAULT 0, rotation REAL DEFAULT 0, zvalue REAL DEFAULT 0, "
    "font TEXT DEFAULT '', color TEXT DEFAULT '')",
    "CREATE TABLE setup (html INTEGER NOT NULL DEFAULT 0, font TEXT DEFAULT '', color TEXT DEFAULT '')",
]


def make(path, html, pages):
    if os.path.exists(path):
        os.remove(path)
    con = sqlite3.connect(path)
    con.execute("PRAGMA page_size=512")
    for s in SCHEMA:
        con.execute(s)
    con.execute("INSERT INTO setup (html, font, color) VALUES (?, ?, ?)",
                (html, "Sans Serif,11,-1,5,400,0,0,0,0,0,0,0,0,0,0,1", "#102030"))
    for p in pages:
        con.execute("INSERT INTO notebook (name, data, image, comment, pos_x, pos_y, rotation, zvalue, font, color) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", p)
    con.commit()
    con.execute("VACUUM")
    con.close()


def main(out, png_file):
    png = open(png_file, "rb").read()
    text = ("Список покупок\nхлеб, молоко\n").encode("utf-8")
    html = b"<html><body><p><b>\xd0\x96\xd0\xb8\xd1\x80</b> <span style='color:#ff0000'>red</span></p></body></html>"
    make(os.path.join(out, "text_pages.db"), 0,
         [("Покупки", text, 0, "", 0, 0, 0, 0, "", ""),
          ("Пустая", b"", 0, "", 0, 0, 0, 0, "", "")])
    make(os.path.join(out, "html_page.db"), 1, [("HTML", html, 0, "", 0, 0, 0, 0, "", "")])
    make(os.path.join(out, "picture_page.db"), 0,
         [("Картинка", png, 1, "Подпись", 12.5, 7.0, 30.0, 1.0, "Sans Serif,14,-1,5,700,0,0,0,0,0", "#00ff00"),
          ("Без картинки", b"", 1, "", 0, 0, 0, 0, "", ""),
          ("Не PNG", b"GIF89a\x01\x00", 1, "x", -5, 1e9, 0, 0, "", "")])
    make(os.path.join(out, "empty_notebook.db"), 0, [])
    with open(os.path.join(out, "not_a_database"), "wb") as f:
        f.write(b"[TYPE]\nclock=analog\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
