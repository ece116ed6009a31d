#include "platform/qt/ControlId.h"

#include <QVariant>
#include <QWidget>

namespace platform {

namespace {
constexpr const char* kProperty = "controlId";
}

void SetControlId(QWidget* widget, int id)
{
    if (!widget)
        return;
    widget->setProperty(kProperty, id);
    widget->setObjectName(QStringLiteral("ctl%1").arg(id));
}

int ControlId(const QWidget* widget)
{
    if (!widget)
        return 0;
    bool ok = false;
    const int id = widget->property(kProperty).toInt(&ok);
    return ok ? id : 0;
}

namespace {
bool HasId(const QWidget* w, int id)
{
    const QVariant v = w->property(kProperty);
    return v.isValid() && v.toInt() == id;
}
} // namespace

std::vector<QWidget*> FindControls(QWidget* parent, int id)
{
    std::vector<QWidget*> found;
    if (!parent)
        return found;
    // The object name narrows the search; the property confirms it, since a
    // widget may be renamed after its id was set.
    for (QWidget* w : parent->findChildren<QWidget*>(QStringLiteral("ctl%1").arg(id)))
        if (HasId(w, id))
            found.push_back(w);
    if (found.empty()) {
        for (QWidget* w : parent->findChildren<QWidget*>())
            if (HasId(w, id))
                found.push_back(w);
    }
    return found;
}

} // namespace platform
