#pragma once

#include <QList>
#include <QTextBrowser>
#include <QUrl>

// The user guide's text: read only, with a caret that the arrow keys move, so that a screen
// reader reads it line by line, and links that Tab visits and Enter follows (anchorClicked).
// A screen reader sees the links as links: the link Tab selects takes the focus in its place.
class GuideBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    struct Link
    {
        int start = 0;   // document positions: the link's text is [start, end)
        int end = 0;
        QUrl target;
        QString text;
    };

    explicit GuideBrowser(QWidget *parent = nullptr);

    // The document's links in reading order.
    const QList<Link> &links() const;
    // The link that Tab (or a screen reader) selected while it stays selected, else -1.
    int currentLink() const;
    void selectLink(int index);
    // As Enter on the selected link or a click does.
    void followLink(int index);
    // Puts the caret at the anchor's text and scrolls it to the top; false where there is none.
    bool moveToAnchor(const QString &name);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    mutable QList<Link> m_links;
    mutable bool m_linksKnown = false;
    int m_currentLink = -1;

    int linkOfSelection() const;
    void followSelection();
};
