#pragma once

#include <QLabel>
#include <QStringList>

// A label that asks its layout for room enough for the longest of the texts it may show, so that
// a window sized once holds each of them whole: as wide as the widest (a one-line label) or, for a
// word-wrapping label, as high as the highest at any width.
class LongestTextLabel : public QLabel
{
    Q_OBJECT
public:
    LongestTextLabel(const QStringList &texts, QWidget *parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

private:
    // The label's own measure for each text in turn, taken on a twin with the same settings.
    template<class Measure>
    QSize largest(Measure measure) const;

    QStringList m_texts;
};
