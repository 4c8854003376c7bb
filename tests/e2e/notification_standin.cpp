// A stand-in for the desktop's notification service on a private session bus: it takes the
// name org.freedesktop.Notifications, answers as such a service does, and appends each Notify
// call to the file given as "app<TAB>summary<TAB>body" (the body's line ends as blanks).
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>

class Notifications : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
 public:
  explicit Notifications(QString file) : file_(std::move(file)) {}

 public slots:
  uint Notify(const QString& app, uint, const QString&, const QString& summary, QString body,
              const QStringList&, const QVariantMap&, int) {
    QFile out(file_);
    if (out.open(QIODevice::Append))
      out.write((app + '\t' + summary + '\t' + body.replace('\n', ' ') + '\n').toUtf8());
    return ++last_;
  }
  QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
    vendor = QStringLiteral("test");
    version = QStringLiteral("1");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("stand-in");
  }
  QStringList GetCapabilities() { return {QStringLiteral("body")}; }

 private:
  QString file_;
  uint last_ = 0;
};

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc != 2) return 2;
  Notifications service(QString::fromLocal8Bit(argv[1]));
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                          QDBusConnection::ExportAllSlots) ||
      !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
    std::fprintf(stderr, "stand-in: %s\n", qPrintable(bus.lastError().message()));
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  return QCoreApplication::exec();
}

#include "notification_standin.moc"
