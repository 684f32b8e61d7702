#pragma once
// The system ending the program: SIGTERM, SIGHUP and SIGINT, and the desktop session ending,
// reach the program as one Qt signal on the user-interface thread. The signal handler only
// writes a byte into a pipe that the event loop watches, so nothing unsafe runs inside it.
#include <QObject>

class QSocketNotifier;

namespace lukana::platform {

class SystemEndWatcher : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers; one watcher at a time.
    explicit SystemEndWatcher(QObject* parent = nullptr);
    // Gives the signals their default handling back.
    ~SystemEndWatcher() override;

  signals:
    void systemEnding();

  private:
    void onPipeReadable();
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace lukana::platform
