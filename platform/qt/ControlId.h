#pragma once
// Numeric control ids of the dialog templates, kept on the Qt widgets so that
// code and tests find a control by the number the dialog was designed with.
#include <vector>

class QWidget;

namespace platform {

// Stores id as the property "controlId" and names the widget "ctl<id>".
void SetControlId(QWidget* widget, int id);
// The widget's id; 0 when it has none.
int ControlId(const QWidget* widget);
// Every descendant of parent that carries id, in tree order.
std::vector<QWidget*> FindControls(QWidget* parent, int id);

// The first descendant with id that is a T; nullptr when there is none.
template <class T>
T* Control(QWidget* parent, int id)
{
    for (QWidget* w : FindControls(parent, id))
        if (T* t = dynamic_cast<T*>(w))
            return t;
    return nullptr;
}

} // namespace platform
