// PLACEHOLDER until content location lands: keeps the content the display checks found.
#include "install/locate_content.h"

#include "app/messages.h"

int LocateContent(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_PROCEED ? HandlerDone : HandlerNotHandled;
}
