#include "ui/main/krthread.h"

#include <utility>

namespace kelvra {

KRthread::KRthread(std::function<void()> animationStep, QObject* parent)
    : QThread(parent), animationStep_(std::move(animationStep)) {
  start();
}

KRthread::~KRthread() {
  end();
}

void KRthread::resumeAnimation() {
  QMutexLocker lock(&mutex_);
  suspended_ = false;
  wake_.wakeAll();
}

void KRthread::suspendAnimation() {
  QMutexLocker lock(&mutex_);
  suspended_ = true;
}

bool KRthread::animating() const {
  QMutexLocker lock(&mutex_);
  return !suspended_ && !ending_;
}

void KRthread::end() {
  {
    QMutexLocker lock(&mutex_);
    ending_ = true;
    wake_.wakeAll();
  }
  wait();
}

void KRthread::run() {
  RunAnimation();
}

void KRthread::RunAnimation() {
  QMutexLocker lock(&mutex_);
  for (;;) {
    while (suspended_ && !ending_) wake_.wait(&mutex_);
    if (ending_) return;
    frameDone_ = false;
    // The request runs on the main thread, where this object lives; if the object is gone
    // before the request is served, Qt drops it.
    QMetaObject::invokeMethod(
        this, [this] { AnimationStep(); }, Qt::QueuedConnection);
    while (!frameDone_ && !ending_) wake_.wait(&mutex_);
  }
}

void KRthread::AnimationStep() {
  if (animating()) animationStep_();
  QMutexLocker lock(&mutex_);
  frameDone_ = true;
  wake_.wakeAll();
}

}  // namespace kelvra
