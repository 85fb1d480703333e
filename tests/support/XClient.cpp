// A second X client for the login-gate tests: tries the grabs another program would try, finds
// a window by its title and types at the keyboard while it is up.
//   tw_xclient grab                  0: keyboard and pointer grabbed (and given back), 2: refused
//   tw_xclient find TITLE            0: a mapped window with that title exists
//   tw_xclient type TITLE TEXT       keys typed as on the keyboard while TITLE is up (\t Tab, \r Return)
//   tw_xclient hold SECONDS          grabs the keyboard and the pointer as a full-screen game does and
//                                    keeps them (taking them again whenever free) for SECONDS; says
//                                    "held" on standard output once they are its own
//   tw_xclient unmap TITLE           unmaps the window as another program can
//   tw_xclient kill TITLE            cuts the connection of the client that owns the window
// A missing window answers 1, a display that cannot be reached 4.
#include <sys/uio.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {
template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <class T> Reply<T> reply(T* r) {
    return Reply<T>(r, &std::free);
}

std::string title(xcb_connection_t* c, xcb_window_t w) {
    auto r = reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
    if (!r) return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(r.get())),
                       static_cast<size_t>(xcb_get_property_value_length(r.get())));
}

bool viewable(xcb_connection_t* c, xcb_window_t w) {
    auto r = reply(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
    return r && r->map_state == XCB_MAP_STATE_VIEWABLE;
}

// Depth-first below root: a window manager may have put the window into a frame.
xcb_window_t findWindow(xcb_connection_t* c, xcb_window_t parent, const std::string& name, int depth = 0) {
    auto r = reply(xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr));
    if (!r) return XCB_WINDOW_NONE;
    const xcb_window_t* kids = xcb_query_tree_children(r.get());
    const int n = xcb_query_tree_children_length(r.get());
    for (int i = n - 1; i >= 0; --i)
        if (title(c, kids[i]) == name && viewable(c, kids[i])) return kids[i];
    if (depth < 2)
        for (int i = n - 1; i >= 0; --i)
            if (xcb_window_t w = findWindow(c, kids[i], name, depth + 1)) return w;
    return XCB_WINDOW_NONE;
}

struct Key {
    xcb_keycode_t code = 0;
    uint16_t state = 0;
};

Key keyFor(xcb_connection_t* c, uint32_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto r = reply(xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, setup->min_keycode, static_cast<uint8_t>(count)), nullptr));
    if (!r) return {};
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(r.get());
    const int per = r->keysyms_per_keycode;
    for (int k = 0; k < count; ++k)
        for (int col = 0; col < per && col < 2; ++col)
            if (syms[k * per + col] == keysym)
                return {static_cast<xcb_keycode_t>(setup->min_keycode + k),
                        static_cast<uint16_t>(col == 1 ? XCB_MOD_MASK_SHIFT : 0)};
    return {};
}

// The XTEST extension's FakeInput request: the key reaches whoever holds the input, exactly as
// a key of the real keyboard would.
struct FakeInput {
    uint8_t majorOpcode;
    uint8_t minorOpcode;
    uint16_t length;
    uint8_t type;
    uint8_t detail;
    uint8_t pad0[2];
    uint32_t time;
    xcb_window_t root;
    uint8_t pad1[8];
    int16_t rootX;
    int16_t rootY;
    uint8_t pad2[7];
    uint8_t deviceid;
};
static_assert(sizeof(FakeInput) == 36);

xcb_extension_t xtest = {"XTEST", 0};

void fakeKey(xcb_connection_t* c, xcb_window_t root, uint8_t type, xcb_keycode_t code) {
    FakeInput req{};
    req.type = type;
    req.detail = code;
    req.time = XCB_CURRENT_TIME;
    req.root = root;
    iovec parts[4]{};
    parts[2].iov_base = &req;
    parts[2].iov_len = sizeof(req);
    xcb_protocol_request_t request{2, &xtest, 2 /* FakeInput */, 1};
    xcb_send_request(c, 0, parts + 2, &request);
    xcb_flush(c);
}

void pressKey(xcb_connection_t* c, xcb_window_t root, Key key, xcb_keycode_t shift) {
    if (key.state) fakeKey(c, root, XCB_KEY_PRESS, shift);
    fakeKey(c, root, XCB_KEY_PRESS, key.code);
    fakeKey(c, root, XCB_KEY_RELEASE, key.code);
    if (key.state) fakeKey(c, root, XCB_KEY_RELEASE, shift);
    auto sync = reply(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // one at a time
}

bool grabBoth(xcb_connection_t* c, xcb_window_t root) {
    auto k = reply(xcb_grab_keyboard_reply(
        c, xcb_grab_keyboard(c, 0, root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC), nullptr));
    auto p = reply(xcb_grab_pointer_reply(c,
                                          xcb_grab_pointer(c, 0, root, XCB_EVENT_MASK_BUTTON_PRESS, XCB_GRAB_MODE_ASYNC,
                                                           XCB_GRAB_MODE_ASYNC, XCB_WINDOW_NONE, XCB_CURSOR_NONE,
                                                           XCB_CURRENT_TIME),
                                          nullptr));
    return k && k->status == XCB_GRAB_STATUS_SUCCESS && p && p->status == XCB_GRAB_STATUS_SUCCESS;
}

int hold(xcb_connection_t* c, xcb_window_t root, int seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    bool said = false;
    while (std::chrono::steady_clock::now() < end) {
        if (grabBoth(c, root) && !said) {
            std::printf("held\n");
            std::fflush(stdout);
            said = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return said ? 0 : 2;
}

int grab(xcb_connection_t* c, xcb_window_t root) {
    auto k = reply(xcb_grab_keyboard_reply(
        c, xcb_grab_keyboard(c, 0, root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC), nullptr));
    const bool keyboard = k && k->status == XCB_GRAB_STATUS_SUCCESS;
    if (keyboard) xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
    auto p = reply(xcb_grab_pointer_reply(c,
                                          xcb_grab_pointer(c, 0, root, XCB_EVENT_MASK_BUTTON_PRESS, XCB_GRAB_MODE_ASYNC,
                                                           XCB_GRAB_MODE_ASYNC, XCB_WINDOW_NONE, XCB_CURSOR_NONE,
                                                           XCB_CURRENT_TIME),
                                          nullptr));
    const bool pointer = p && p->status == XCB_GRAB_STATUS_SUCCESS;
    if (pointer) xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_flush(c);
    std::printf("keyboard %s, pointer %s\n", keyboard ? "grabbed" : "refused", pointer ? "grabbed" : "refused");
    return keyboard && pointer ? 0 : 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 64;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (!c || xcb_connection_has_error(c)) {
        std::fprintf(stderr, "tw_xclient: no display\n");
        return 4;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::string cmd = argv[1];
    int rc = 64;
    if (cmd == "grab") {
        rc = grab(c, root);
    } else if (cmd == "hold" && argc >= 3) {
        rc = hold(c, root, std::atoi(argv[2]));
    } else if (argc >= 3) {
        const xcb_window_t w = findWindow(c, root, argv[2]);
        if (!w) {
            rc = 1;
        } else if (cmd == "find") {
            rc = 0;
        } else if (cmd == "unmap") {
            xcb_unmap_window(c, w);
            rc = 0;
        } else if (cmd == "kill") {
            xcb_kill_client(c, w);
            rc = 0;
        } else if (cmd == "type" && argc >= 4) {
            rc = xcb_get_extension_data(c, &xtest)->present ? 0 : 5;
            const xcb_keycode_t shift = keyFor(c, 0xffe1u).code; // Shift_L
            for (const char* p = argv[3]; *p && rc == 0; ++p) {
                const uint32_t sym = *p == '\t' ? 0xff09u : *p == '\r' ? 0xff0du : static_cast<unsigned char>(*p);
                const Key key = keyFor(c, sym);
                if (!key.code)
                    rc = 3;
                else
                    pressKey(c, root, key, shift);
            }
        }
    }
    // A round trip, so that the server has carried out every request before the connection
    // goes: requests still unread when a client leaves can be dropped on a busy server.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    xcb_disconnect(c);
    return rc;
}
