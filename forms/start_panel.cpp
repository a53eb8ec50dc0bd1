#include "forms/start_panel.h"

StartPanel &StartPanel::instance()
{
    static StartPanel panel;
    return panel;
}
