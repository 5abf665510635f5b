// Reading the frame a window manager publishes on a window (_NET_FRAME_EXTENTS). Run by the
// desktop tests on an X display without a window manager, so that the test publishes the
// property on its own window, as a window manager would; elsewhere it is skipped.
#include "platform/ui/window_frame.h"
#include "support/outer_rect.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

xcb_atom_t atom(const char* name)
{
    xcb_connection_t* c = test::x11Connection();
    auto r = test::reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, false, std::uint16_t(std::strlen(name)), name), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Publishes `values` as the window's frame extents, with the type and format given (an
// empty list takes the property away), and waits until the X server has it.
void publish(const QWidget& w, const std::vector<std::uint32_t>& values, xcb_atom_t type = XCB_ATOM_CARDINAL,
             std::uint8_t format = 32)
{
    xcb_connection_t* c = test::x11Connection();
    const auto id = static_cast<xcb_window_t>(w.internalWinId());
    const xcb_atom_t extents = atom("_NET_FRAME_EXTENTS");
    if (values.empty()) {
        xcb_delete_property(c, id, extents);
    } else {
        std::vector<std::uint16_t> halves(values.begin(), values.end()); // for a 16-bit format
        const void* data = format == 16 ? static_cast<const void*>(halves.data()) : values.data();
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, extents, type, format, std::uint32_t(values.size()), data);
    }
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // a round trip
}

} // namespace

using Values = std::vector<std::uint32_t>;
Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(std::optional<QMargins>)

class WindowFrameTest : public QObject {
    Q_OBJECT

    QWidget* m_window = nullptr;

private slots:
    void init()
    {
        if (!test::onX11() || test::hasWindowManager())
            QSKIP("publishes frames itself: needs an X display without a window manager");
        m_window = new QWidget;
        m_window->resize(200, 100);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
    }

    // Left, right, top and bottom, each read back on its own side.
    void readsEachSide_data()
    {
        QTest::addColumn<Values>("published");
        QTest::addColumn<QMargins>("frame");
        QTest::newRow("unequal sides") << Values{3, 7, 31, 5} << QMargins(3, 31, 7, 5);
        QTest::newRow("wide") << Values{60, 60, 60, 60} << QMargins(60, 60, 60, 60);
        QTest::newRow("wide and unequal") << Values{61, 17, 90, 40} << QMargins(61, 90, 17, 40);
        QTest::newRow("none drawn") << Values{0, 0, 0, 0} << QMargins();
    }

    void readsEachSide()
    {
        QFETCH(Values, published);
        QFETCH(QMargins, frame);
        publish(*m_window, published);
        const std::optional<QMargins> read = platform::publishedFrame(m_window);
        QVERIFY(read.has_value());
        QCOMPARE(*read, frame);
    }

    // What no window manager would publish as a frame reads as no frame at all.
    void malformedIsNoFrame_data()
    {
        const QRect desktop = test::screenRect(); // the whole X screen, in the tests' desktops
        const auto w = std::uint32_t(desktop.width());
        const auto h = std::uint32_t(desktop.height());
        QTest::addColumn<Values>("published");
        QTest::addColumn<uint>("type");
        QTest::addColumn<int>("format");
        QTest::newRow("nothing published") << Values{} << uint(XCB_ATOM_CARDINAL) << 32;
        QTest::newRow("of another type") << Values{3, 7, 31, 5} << uint(XCB_ATOM_INTEGER) << 32;
        QTest::newRow("16-bit numbers") << Values{3, 7, 31, 5} << uint(XCB_ATOM_CARDINAL) << 16;
        QTest::newRow("three numbers") << Values{3, 7, 31} << uint(XCB_ATOM_CARDINAL) << 32;
        QTest::newRow("five numbers") << Values{3, 7, 31, 5, 9} << uint(XCB_ATOM_CARDINAL) << 32;
        QTest::newRow("sides as wide as the desktop") << Values{w / 2, w - w / 2, 20, 4} << uint(XCB_ATOM_CARDINAL) << 32;
        QTest::newRow("top and bottom as tall as the desktop")
            << Values{4, 4, h - 4, 4} << uint(XCB_ATOM_CARDINAL) << 32;
        QTest::newRow("a negative side") << Values{0xFFFFFFFFu, 4, 20, 4} << uint(XCB_ATOM_CARDINAL) << 32;
        QTest::newRow("sides that overflow together")
            << Values{0x80000000u, 0x80000000u, 20, 4} << uint(XCB_ATOM_CARDINAL) << 32;
    }

    void malformedIsNoFrame()
    {
        QFETCH(Values, published);
        QFETCH(uint, type);
        QFETCH(int, format);
        publish(*m_window, published, xcb_atom_t(type), std::uint8_t(format));
        const std::optional<QMargins> read = platform::publishedFrame(m_window);
        QVERIFY2(!read.has_value(), qPrintable(QStringLiteral("read as %1,%2,%3,%4")
                                                   .arg(read->left())
                                                   .arg(read->right())
                                                   .arg(read->top())
                                                   .arg(read->bottom())));
    }

    // Each publication is told, after it has been read, however late after the showing.
    void eachPublicationIsTold()
    {
        int told = 0;
        QObject owner;
        platform::watchPublishedFrame(m_window, &owner, [&] { ++told; });
        QTest::qWait(200);
        QCOMPARE(told, 0);
        publish(*m_window, {3, 7, 31, 5});
        QTRY_COMPARE(told, 1);
        publish(*m_window, {60, 60, 60, 60});
        QTRY_COMPARE(told, 2);
        QCOMPARE(platform::publishedFrame(m_window), std::optional<QMargins>(QMargins(60, 60, 60, 60)));
    }
};

QTEST_MAIN(WindowFrameTest)
#include "window_frame_test.moc"
