#include "common/ui/forms.h"

#include "common/ui/icons.h"
#include "common/ui/placement.h"
#include "common/ui/twips.h"

#include <QCloseEvent>
#include <QEventLoop>

namespace ui {

FormWindow::FormWindow(int number, QWidget* parent) : QWidget(parent, Qt::Window), m_number(number)
{
    setObjectName(QStringLiteral("Form%1").arg(number));
    setWindowIcon(programIcon());
    keepPlaceWhenHidden(this); // hidden and shown again, a window comes back where it stood
    Forms::instance().constructing(this);
}

void FormWindow::setClientSizeTw(int width, int height) { setFixedSize(tw(width), tw(height)); }

void FormWindow::closeEvent(QCloseEvent* e)
{
    e->accept();
    Forms::instance().closing(this);
}

Forms& Forms::instance()
{
    static Forms f;
    return f;
}

void Forms::registerForm(int number, Factory factory) { m_factories[number] = std::move(factory); }

bool Forms::hasForm(int number) const { return m_factories.count(number) != 0; }

FormWindow* Forms::loaded(int number) const
{
    const auto it = m_instances.find(number);
    return it == m_instances.end() ? nullptr : it->second.data();
}

void Forms::constructing(FormWindow* w)
{
    const auto it = m_loading.find(w->formNumber());
    if (it != m_loading.end() && !it->second)
        it->second = w;
}

FormWindow* Forms::loading(int number) const
{
    const auto it = m_loading.find(number);
    return it == m_loading.end() ? nullptr : it->second.data();
}

FormWindow* Forms::form(int number)
{
    if (FormWindow* w = loaded(number))
        return w;
    const auto f = m_factories.find(number);
    if (f == m_factories.end() || m_loading.count(number))
        return nullptr; // no class, or still loading (a box of its loading is up)
    // The window may raise a box while it loads; closed under that box, it was unloaded
    // before it was ever shown and stays closed (it goes once its loading returns).
    m_loading[number] = nullptr;
    FormWindow* w = f->second();
    m_loading.erase(number);
    if (w->isUnloaded())
        return nullptr;
    m_instances[number] = w;
    return w;
}

FormWindow* Forms::showModeless(int number)
{
    FormWindow* w = form(number);
    if (!w)
        return nullptr;
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void Forms::showModal(int number)
{
    FormWindow* w = form(number);
    if (!w)
        return;
    QPointer<FormWindow> guard(w);
    w->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    struct HideWatcher : QObject {
        QEventLoop* loop;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Hide)
                loop->quit();
            return false;
        }
    } watcher;
    watcher.loop = &loop;
    w->installEventFilter(&watcher);
    w->show();
    w->raise();
    w->activateWindow();
    if (guard && guard->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard) {
        guard->removeEventFilter(&watcher);
        guard->setWindowModality(Qt::NonModal);
    }
}

void Forms::closing(FormWindow* w)
{
    // Runs the close handler once, then the window goes: hidden at once, destroyed when
    // control returns to the event loop.
    const int number = w->formNumber();
    if (w->m_unloaded || (loaded(number) != w && loading(number) != w))
        return;
    if (number == kMainForm && !m_shuttingDown) {
        shutDown(); // the tool windows go first, then this one
        return;
    }
    w->m_unloaded = true;
    w->queryUnload();
    m_instances.erase(number);
    w->hide();
    w->deleteLater();
}

void Forms::unload(int number)
{
    if (FormWindow* w = loaded(number))
        closing(w);
    else if (FormWindow* l = loading(number))
        closing(l);
}

void Forms::shutDown()
{
    if (m_shuttingDown)
        return;
    m_shuttingDown = true;
    for (int n = kLastForm; n >= 2; --n)
        unload(n);
    unload(kMainForm);
    if (m_afterShutDown)
        m_afterShutDown();
}

void Forms::setMainVisible()
{
    if (m_shuttingDown)
        return;
    if (FormWindow* main = form(kMainForm))
        main->setVisible(true);
}

void Forms::setMainNormalAndVisible()
{
    if (m_shuttingDown)
        return;
    if (FormWindow* main = form(kMainForm)) {
        main->setWindowState(main->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        main->setVisible(true);
    }
}

void Forms::reset()
{
    for (int n = kLastForm; n >= 1; --n)
        if (FormWindow* w = loaded(n))
            delete w;
    m_instances.clear();
    m_state.clear();
    m_shuttingDown = false;
}

} // namespace ui
