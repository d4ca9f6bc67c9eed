#pragma once

#include <QString>
#include <QWidget>

// A control of the settings sheet by its id, which each control carries as its object name.
// A missing control ends the test at once, rather than as a crash further on.
template <typename Control> Control* Find(const QWidget* parent, int id) {
    auto* control = parent->findChild<Control*>(QString::number(id));
    if (!control) {
        qFatal("no control %d", id);
    }
    return control;
}
