#pragma once
// A fresh current folder for the life of a test, optionally holding the
// compiled help document and an HTML manual page; the previous current folder
// comes back afterwards.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ondarel::test {

class HelpFolder {
public:
    explicit HelpFolder(bool withChm, bool withManual = false) : previous_(QDir::currentPath())
    {
        QDir::setCurrent(dir_.path());
        if (withChm) touch("Ondarel.chm");
        if (withManual) {
            QDir(dir_.path()).mkpath("manual");
            touch("manual/index.html");
        }
    }
    ~HelpFolder() { QDir::setCurrent(previous_); }
    QString manualPage() const { return QDir(dir_.path()).canonicalPath() + "/manual/index.html"; }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    void touch(const QString& name)
    {
        QFile f(dir_.filePath(name));
        f.open(QIODevice::WriteOnly);
    }
    QString previous_;
    QTemporaryDir dir_;
};

}  // namespace ondarel::test
