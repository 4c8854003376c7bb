// The animation worker: it asks the main thread for one frame at a time and waits until the
// frame is done, so frames never overlap each other or the user's actions.
#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <functional>

namespace kelvra {

class KRthread : public QThread {
  Q_OBJECT

 public:
  // Given: the frame to run on the main thread. The worker starts suspended.
  explicit KRthread(std::function<void()> animationStep, QObject* parent = nullptr);
  // Ends the worker (see end()) if that has not happened yet.
  ~KRthread() override;

  // From the main thread only. Resuming a running worker changes nothing; suspending takes
  // effect before the next frame: a frame already requested is not run.
  void resumeAnimation();
  void suspendAnimation();
  bool animating() const;

  // Tells the worker to end, wakes it wherever it waits and joins it. No frame runs after.
  void end();

 protected:
  void run() override;

 private:
  void RunAnimation();
  void AnimationStep();

  std::function<void()> animationStep_;
  mutable QMutex mutex_;
  QWaitCondition wake_;
  bool suspended_ = true;
  bool ending_ = false;
  bool frameDone_ = false;
};

}  // namespace kelvra
