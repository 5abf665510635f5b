#pragma once
// Finding a window's controls by their names in window tests.

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace test {

// The control named `name` below `root`; a missing control ends the test program at once
// with its name, rather than failing later on a null pointer.
template <typename T = QWidget>
T* control(const QObject* root, const QString& name)
{
    T* w = root->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

} // namespace test
