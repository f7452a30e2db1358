#include "panel/core/PanelEvent.h"

namespace pirtok {

const char *panelEventName(PanelEvent event)
{
    switch (event) {
    case PanelEvent::AppGotFocus:
        return "AppGotFocus";
    case PanelEvent::AppLostFocus:
        return "AppLostFocus";
    case PanelEvent::EndOpenUp:
        return "EndOpenUp";
    case PanelEvent::EndCloseUp:
        return "EndCloseUp";
    case PanelEvent::StartOpenUp:
        return "StartOpenUp";
    case PanelEvent::StartCloseUp:
        return "StartCloseUp";
    case PanelEvent::ChangeCloseUp:
        return "ChangeCloseUp";
    case PanelEvent::ChangeOpenUp:
        return "ChangeOpenUp";
    case PanelEvent::MouseOver:
        return "MouseOver";
    case PanelEvent::MouseLeft:
        return "MouseLeft";
    }
    return "";
}

} // namespace pirtok
