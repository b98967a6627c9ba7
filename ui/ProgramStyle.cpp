#include "ui/ProgramStyle.h"

#include "ui/Icons.h"

namespace corvane::ui {

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption *option,
                                 const QWidget *widget) const
{
    switch (which) {
    case SP_ToolBarHorizontalExtensionButton:
        return icon(Icon::MoreRight);
    case SP_ToolBarVerticalExtensionButton:
        return icon(Icon::MoreDown);
    default:
        return QProxyStyle::standardIcon(which, option, widget);
    }
}

} // namespace corvane::ui
