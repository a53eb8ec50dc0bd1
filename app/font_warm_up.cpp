#include "app/font_warm_up.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <system_error>

FontWarmUp::FontWarmUp()
{
    try {
        m_done = std::async(std::launch::async, [ready = m_applicationReady.get_future()]() mutable {
            // Thread-safe in fontconfig; the application's own call later finds it done.
            FcInit();
            if (ready.get())
                QFontDatabase::families();   // fills the database under its own lock
        });
    } catch (const std::system_error &) {
        // No thread to be had: the application reads the fonts itself, as it would anyway.
    }
}

FontWarmUp::~FontWarmUp()
{
    if (!m_told)
        m_applicationReady.set_value(false);
    wait();
}

void FontWarmUp::applicationReady()
{
    if (m_told)
        return;
    m_told = true;
    m_applicationReady.set_value(true);
}

void FontWarmUp::wait()
{
    if (m_done.valid())
        m_done.wait();
}
