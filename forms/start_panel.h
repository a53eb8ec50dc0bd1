#pragma once

#include <QObject>

// The frame's start panel (`picMain`), shown while no system window is in use. Forms ask for it
// through the free functions below; the frame that owns the panel listens to the requests and
// reports what it shows. Without a frame the requests go nowhere and the panel counts as hidden.
class StartPanel : public QObject
{
    Q_OBJECT
public:
    static StartPanel &instance();

    void requestVisible(bool visible) { Q_EMIT visibilityRequested(visible); }
    bool isVisible() const { return m_visible; }
    // The frame's side: what the panel shows now.
    void setShown(bool visible) { m_visible = visible; }

Q_SIGNALS:
    void visibilityRequested(bool visible);

private:
    bool m_visible = false;
};

namespace startPanel {

inline void show() { StartPanel::instance().requestVisible(true); }
inline void hide() { StartPanel::instance().requestVisible(false); }
inline bool isVisible() { return StartPanel::instance().isVisible(); }

} // namespace startPanel
