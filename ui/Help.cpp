#include "ui/Help.h"

namespace corvane::ui {

namespace {

std::function<void(int, QWidget *)> &handler()
{
    static std::function<void(int, QWidget *)> h;
    return h;
}

} // namespace

void showHelp(int context, QWidget *parent)
{
    if (handler())
        handler()(context, parent);
}

void setHelpHandler(std::function<void(int, QWidget *)> h)
{
    handler() = std::move(h);
}

void setHelpHandler(std::function<void(int)> h)
{
    if (!h) {
        handler() = nullptr;
        return;
    }
    handler() = [h = std::move(h)](int context, QWidget *) { h(context); };
}

} // namespace corvane::ui
