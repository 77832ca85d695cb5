#include "window_binding.h"

#include "binders.h"

#include <QWidget>

namespace pc::gui {

namespace {

// The window an object belongs to: the nearest window among itself and its
// parents (a menu's pop-up belongs to the window of its menu bar).
const QWidget *windowOf(const QObject *o)
{
    for (; o; o = o->parent())
        if (const auto *w = qobject_cast<const QWidget *>(o);
            w && w->isWindow() && w->windowType() != Qt::Popup)
            return w;
    return nullptr;
}

} // namespace

WindowBinding::WindowBinding(Session &session, form::Form &form, QWidget *window)
    : form_(form), window_(window)
{
    for (form::Control *c : form.controls()) {
        const auto objects = objectsNamed(c->name());
        if (objects.empty()) {
            problems_ << c->name() + QStringLiteral(": no object of that name");
            continue;
        }
        if (objects.size() > 1) {
            problems_ << c->name() +
                             QStringLiteral(": %1 objects of that name").arg(objects.size());
            continue;
        }
        QObject *o = objects.front();
        if (byObject_.contains(o)) {
            problems_ << c->name() + QStringLiteral(": its object is bound already to ") +
                             byObject_.value(o)->name();
            continue;
        }
        auto binder = makeBinder(session, form, *c, o);
        if (!binder) {
            problems_ << c->name() + QStringLiteral(": %1 does not show that kind of control")
                                         .arg(QString::fromLatin1(o->metaObject()->className()));
            continue;
        }
        byControl_.insert(c, binder.get());
        byObject_.insert(o, c);
        binders_.push_back(std::move(binder));
    }
}

WindowBinding::~WindowBinding() = default;

std::vector<QObject *> WindowBinding::objectsNamed(const QString &name) const
{
    std::vector<QObject *> out;
    if (window_->objectName() == name)
        out.push_back(window_);
    for (QObject *o : window_->findChildren<QObject *>(name))
        if (windowOf(o) == window_)
            out.push_back(o);
    return out;
}

Binder *WindowBinding::binderFor(const form::Control &c) const
{
    return byControl_.value(&c, nullptr);
}

form::Control *WindowBinding::controlOf(const QWidget *w) const
{
    // Up to the widget's own window: a window owned by another (the about
    // box by the main window) holds none of its owner's controls. A pop-up
    // (a combo's open list) belongs to the widget that opened it.
    for (const QWidget *x = w; x; x = x->parentWidget()) {
        if (form::Control *c = byObject_.value(x, nullptr))
            return c;
        if (x->isWindow() && x->windowType() != Qt::Popup)
            break;
    }
    return nullptr;
}

void WindowBinding::applyAll()
{
    for (auto &b : binders_)
        b->applyAll();
}

void WindowBinding::flush()
{
    for (auto &b : binders_)
        b->flush();
}

} // namespace pc::gui
