#pragma once

class QTextEdit;
class QWidget;

// The link watch on a report box: while it is installed, web addresses (http, https) in the
// box's text are marked as links, and a left-button press on one opens it in the browser. The
// press still reaches the box. One report box is watched at a time.
namespace modRTB {

void HookReportLinks(QTextEdit *reportBox, QWidget *reportForm);
// Removes the watch; does nothing when none is installed.
void UnhookReportLinks();

bool isWatching();
QTextEdit *watchedBox();

} // namespace modRTB
