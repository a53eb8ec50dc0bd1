#pragma once

#include "forms/orvo_form.h"
#include "forms/window_controller.h"

#include <QPointer>

#include <functional>
#include <type_traits>
#include <utility>

// The windows of one system: its input form, the result form that shows what the input found,
// and the report composed from the result's reading (Report void: the system has none).
//
// Input emits found(const Reading &) for a reading it found; Result has showReading(const
// Reading &) and reading(); Report has showReading(const Reading &). Each is created when first
// needed. Find shows the result and puts the input out of sight, keeping its entries; Back closes
// the result (and its report) and brings the input back; Print opens the report over the result,
// and closing the report brings the result back; any other way out closes every window of the
// system.
template<class Input, class Result, class Report = void>
class SystemWindows : public WindowController
{
public:
    using Reading = std::decay_t<decltype(std::declval<const Result &>().reading())>;

    explicit SystemWindows(QMdiArea *area, QObject *parent = nullptr)
        : WindowController(area, parent)
    {
    }

    // A fresh input form (the system's other windows closed), its first field focused.
    Input *openInput()
    {
        closeWindows();
        present(input());
        return m_input;
    }

    // A fresh input form that fill() fills and finds on, as opening a saved reading does: the
    // result shows where it finds, else the input shows with what it told the user.
    template<class Fill>
    void openWith(Fill fill)
    {
        closeWindows();
        m_back = {};
        fill(input());
        if (!isShowing())
            present(m_input);
    }

    // Back on the result form leaves for back() (the overview a Full Reading came from) rather
    // than for the input form; until the system's windows close.
    void setBack(std::function<void()> back) { m_back = std::move(back); }

    Input *inputForm() const { return m_input; }
    Result *resultForm() const { return m_result; }

protected:
    // A new result form, before its first reading; a controller that adds ways out connects them.
    virtual void resultCreated(Result *) {}

    void released(OrvoForm *form) override
    {
        if (form == m_input)
            m_input = nullptr;
        if (form == m_result)
            m_result = nullptr;
        if constexpr (!std::is_void_v<Report>) {
            if (form == m_report)
                m_report = nullptr;
        }
    }

private:
    Input *input()
    {
        if (!m_input) {
            m_input = new Input;
            adopt(m_input);
            QObject::connect(m_input, &Input::found, this, [this](const Reading &reading) { showResult(reading); });
            QObject::connect(m_input, &OrvoForm::showRequested, this, [this] { present(m_input); });
            QObject::connect(m_input, &OrvoForm::closeRequested, this, [this] { closeByUser(); });
        }
        return m_input;
    }

    void showResult(const Reading &reading)
    {
        if (!m_result) {
            m_result = new Result;
            adopt(m_result);
            QObject::connect(m_result, &OrvoForm::backRequested, this, [this] { back(); });
            QObject::connect(m_result, &OrvoForm::reportRequested, this, [this] { openReport(); });
            QObject::connect(m_result, &OrvoForm::closeRequested, this, [this] { closeByUser(); });
            resultCreated(m_result);
        }
        m_result->showReading(reading);
        present(m_result);
        conceal(m_input);
    }

    void back()
    {
        if (m_back) {
            const std::function<void()> leave = m_back;
            leave();
            return;
        }
        present(input());
        if constexpr (!std::is_void_v<Report>)
            dismiss(m_report);
        dismiss(m_result);
    }

    void openReport()
    {
        if constexpr (!std::is_void_v<Report>) {
            // A report already open is shown as it stands: Print again composes nothing anew.
            if (!m_report) {
                m_report = new Report;
                adopt(m_report);
                QObject::connect(m_report, &OrvoForm::closeRequested, this, [this] { closeReport(); });
                m_report->showReading(m_result->reading());
            }
            present(m_report);
        }
    }

    void closeReport()
    {
        if constexpr (!std::is_void_v<Report>) {
            dismiss(m_report);
            // Back where the report was asked for.
            present(m_result, m_result->focusWidget());
        }
    }

    void closeByUser()
    {
        closeWindows();
        afterUserClose();
    }

    struct NoReport
    {
    };
    using ReportPointer = std::conditional_t<std::is_void_v<Report>, NoReport, QPointer<std::conditional_t<std::is_void_v<Report>, QObject, Report>>>;

    QPointer<Input> m_input;
    QPointer<Result> m_result;
    ReportPointer m_report{};
    std::function<void()> m_back;
};
