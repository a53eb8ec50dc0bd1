#pragma once

#include "forms/dialog_service.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrinter>

// While it lives, the program's messages open its own message boxes, which are answered as soon
// as they show; what each box showed is kept. Every other dialog still goes to the scripted service.
class RealMessageBoxes : public DialogService
{
public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    explicit RealMessageBoxes(DialogService &scripted)
        : m_scripted(scripted)
    {
        DialogService::install(nullptr);
        m_program = &DialogService::current();
        DialogService::install(this);
    }
    ~RealMessageBoxes() override { DialogService::install(&m_scripted); }

    void message(QWidget *parent, const QString &text, Icon icon) override
    {
        // The program's box shows and returns at once; it is answered here as soon as it shows.
        m_program->message(parent, text, icon);
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes.append({box->windowTitle(), box->text(), box->icon()});
            box->accept();
        }
    }
    QString saveFileName(QWidget *parent, const FileRequest &request) override
    {
        return m_scripted.saveFileName(parent, request);
    }
    QString openFileName(QWidget *parent, const FileRequest &request) override
    {
        return m_scripted.openFileName(parent, request);
    }
    bool choosePrinter(QWidget *parent, QPrinter &printer, bool offerSelection) override
    {
        return m_scripted.choosePrinter(parent, printer, offerSelection);
    }
    std::unique_ptr<QPrinter> defaultPrinter() override { return m_scripted.defaultPrinter(); }
    void printPreview(QWidget *parent, const QString &title, const std::function<void(QPrinter &)> &paint) override
    {
        m_scripted.printPreview(parent, title, paint);
    }

    QList<Box> boxes;

private:
    DialogService &m_scripted;
    DialogService *m_program = nullptr;
};
