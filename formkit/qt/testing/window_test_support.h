// What the programs' window tests share: a shown window that records its message boxes, a
// private current folder, and child lookup (and the recording mail sender).
#pragma once

#include <QDir>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>
#include <string>
#include <vector>

#include "recording_sender.h"

namespace formkit::testing {

// The child named `name`; a missing one ends the test run, naming it.
template <typename T>
T* Child(QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no widget %s", name);
  return child;
}

// A program window, shown and activated, whose message boxes are recorded as
// "caption|text" instead of shown.
template <typename Window>
struct Shown {
  Window window;
  QStringList messages;
  Shown() {
    window.setMessageHandler([this](const std::string& text, const std::string& caption) {
      messages << QString::fromStdString(caption + "|" + text);
    });
    window.show();
    window.activateWindow();
  }
};

// Each test that touches files works in a folder of its own, as the programs do in the
// current directory.
struct InTempFolder {
  QTemporaryDir dir;
  QString old = QDir::currentPath();
  InTempFolder() { QDir::setCurrent(dir.path()); }
  ~InTempFolder() { QDir::setCurrent(old); }
  std::string path(const char* name) const {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
  }
};

}  // namespace formkit::testing
