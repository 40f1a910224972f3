#include "window_frame.h"

#ifdef ZRL_HAVE_XCB
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>
#endif

namespace zrl {

QPoint CentredClientPosition(const QRect& available, QSize client, const QMargins& frame) {
    const QSize outer = client.grownBy(frame);
    return available.topLeft() + QPoint((available.width() - outer.width()) / 2 + frame.left(),
                                        (available.height() - outer.height()) / 2 + frame.top());
}

#ifdef ZRL_HAVE_XCB

namespace {

template <typename T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(strlen(name)), name);
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr),
                                            &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The CARDINAL or ATOM values of a property; empty when it is not set.
std::vector<std::uint32_t> Values(xcb_connection_t* connection, xcb_window_t window,
                                  xcb_atom_t property, xcb_atom_t type) {
    const auto cookie = xcb_get_property(connection, 0, window, property, type, 0, 1024);
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr),
                                             &std::free);
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {data, data + xcb_get_property_value_length(reply.get()) / 4};
}

}  // namespace

std::optional<QMargins> RequestFrameExtents() {
    // Only the X11 platform itself: others may offer the interface with no connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || QGuiApplication::platformName() != QLatin1String("xcb") ||
        x11->connection() == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    const auto supported =
        Values(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (std::find(supported.begin(), supported.end(), request) == supported.end()) {
        return std::nullopt;  // no window manager, or one that cannot say
    }

    // Asked for a stand-in: an ordinary window that is never shown. Asking for the window
    // itself would mean creating it now and moving it afterwards, and a window manager may
    // then map it where it was first created.
    const xcb_window_t probe = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, probe, root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = probe;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // The window manager answers by setting the property; a busy one may take a moment.
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 200ms;
    std::optional<QMargins> margins;
    do {
        const auto frame = Values(connection, probe, extents, XCB_ATOM_CARDINAL);
        if (frame.size() == 4) {  // left, right, top, bottom
            margins = QMargins(static_cast<int>(frame[0]), static_cast<int>(frame[2]),
                               static_cast<int>(frame[1]), static_cast<int>(frame[3]));
            break;
        }
        std::this_thread::sleep_for(2ms);
    } while (std::chrono::steady_clock::now() < deadline);
    xcb_destroy_window(connection, probe);
    xcb_flush(connection);
    return margins;
}

#else

std::optional<QMargins> RequestFrameExtents() {
    return std::nullopt;
}

#endif

}  // namespace zrl
