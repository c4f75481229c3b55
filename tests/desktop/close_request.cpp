// Asks an X11 window to close the way a window manager's close button does: a WM_DELETE_WINDOW
// message of the WM_PROTOCOLS kind. (xdotool only destroys windows or kills their clients.)
//   ketterline_close_request WINDOW_ID
// Exit status 0 when the message was sent, 1 when the window does not take such requests or the
// display cannot be opened, 2 for a wrong command line.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool takesDeleteRequests(Display* display, Window window, Atom deleteWindow) {
    Atom* protocols = nullptr;
    int count = 0;
    if (XGetWMProtocols(display, window, &protocols, &count) == 0) {
        return false;
    }
    bool found = false;
    for (int i = 0; i < count; ++i) {
        found = found || protocols[i] == deleteWindow;
    }
    XFree(protocols);
    return found;
}

}  // namespace

int main(int argc, char* argv[]) {
    char* end = nullptr;
    const unsigned long id = argc == 2 ? std::strtoul(argv[1], &end, 0) : 0;
    if (argc != 2 || *end != '\0' || id == 0) {
        std::fprintf(stderr, "usage: ketterline_close_request WINDOW_ID\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "ketterline_close_request: cannot open the display\n");
        return 1;
    }
    const Window window = id;
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    int status = 0;
    if (takesDeleteRequests(display, window, deleteWindow)) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(deleteWindow);
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
    } else {
        std::fprintf(stderr, "ketterline_close_request: window %s takes no WM_DELETE_WINDOW\n",
                     argv[1]);
        status = 1;
    }
    // Closing the display flushes the request; without it the message can be lost.
    XCloseDisplay(display);
    return status;
}
