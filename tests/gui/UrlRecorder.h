#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

namespace fw::test {

// Stands in for the system's browser and mail program.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QStringList urls;

public slots:
    void open(const QUrl& url) { urls << url.toString(); }
};

} // namespace fw::test
