#pragma once

#include <future>

// Reading the font configuration is the longest single step of a start (parsing its files and
// the font caches) and needs nothing from the display. A second thread does it while the
// application object connects to the display, and then fills the application's font database;
// the frame waits for it before its first text.
class FontWarmUp
{
public:
    FontWarmUp();    // starts reading the font configuration
    ~FontWarmUp();   // waits for the thread (it gives up filling the database if not yet told)

    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // The application object exists: the font database may be filled.
    void applicationReady();
    // Returns once the thread is done; call it before anything shows text.
    void wait();

private:
    std::promise<bool> m_applicationReady;
    bool m_told = false;
    std::future<void> m_done;
};
