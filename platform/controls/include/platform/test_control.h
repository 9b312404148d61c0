// A small built-in control, so that documents and tests can host and script a control
// without any plug-in: "Panorel.TestControl" (also "Panorel.TestControl.1" and
// "{6F1C2B7E-3D4A-4E59-8B21-7C0A9E5D3F14}").
//
//   Methods:     Add(int A, int B) -> int, Join(QString A, QString B) -> QString,
//                Echo(QVariant Value) -> QVariant, Raise(int X, QString Y) raises Fired,
//                CallExternal(QString Name, QString Argument) -> int (the status code)
//   Properties:  caption (QString), count (int, counts the calls of Add and Join)
//   Events:      Fired(int X, QString Y), Clicked(int X, int Y) on a mouse press
#pragma once

#include <QStringList>

namespace platform {

class ControlRegistry;

QStringList TestControlNames();
void AddTestControl(ControlRegistry& registry);

}  // namespace platform
