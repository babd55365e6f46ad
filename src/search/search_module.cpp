#include "search/search_module.h"

#include "calendar/notes_store.h"
#include "search/note_index.h"
#include "search/search_service.h"
#include "search/search_window.h"

namespace {

// Notes changed in a burst (an import, a sync) are copied once.
constexpr int notes_pause_ms = 250;

} // namespace

search_module::search_module(notes_store &notes, const QString &notebook_file)
    : m_notes(notes), m_service(std::make_unique<search_service>(notebook_file)),
      m_window(std::make_unique<search_window>(*m_service))
{
    m_notes_pause.setSingleShot(true);
    m_notes_pause.setInterval(notes_pause_ms);
    connect(&m_notes_pause, &QTimer::timeout, this, [this] {
        take_notes();
        m_window->search_again();
    });
    // While the window is hidden nobody needs the copy: it is taken when
    // the window opens.
    connect(&m_notes, &notes_store::changed, this, [this] {
        if (m_window->isVisible())
            m_notes_pause.start();
    });
    connect(m_window.get(), &search_window::opened, this, &search_module::take_notes);
}

search_module::~search_module()
{
    m_window.reset();
    m_service.reset();
}

void search_module::show()
{
    m_window->begin();
}

void search_module::take_notes()
{
    if (m_notes.revision() == m_notes_revision)
        return;
    m_notes_revision = m_notes.revision();
    m_service->set_notes(note_index::collect(m_notes));
}
