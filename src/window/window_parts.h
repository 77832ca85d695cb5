#pragma once
// The parts of the program that the window's subsystems are given (see the
// classes beside app.h): declared once here, so that a subsystem's header
// names them without including them.

namespace pc {

class Platform;
class HandlerTrace;
struct Catalogue;
struct RunState;

namespace form {
class AboutForm;
class Control;
class LifeCurveForm;
class MainForm;
class TableWindowForm;
} // namespace form

} // namespace pc
