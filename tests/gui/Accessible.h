// What a screen reader finds on screen: every control a person acts on
// must carry a name it can read aloud. (The scroll bars of Qt's own lists
// and pages are read by their orientation and are left out.)
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QWidget>

#include <string>
#include <vector>

namespace gh::gui {

// `out` gets the controls without a name; `names`, when given, every name
// read.
inline void CollectUnnamed(QAccessibleInterface* a, const QString& path, std::vector<std::string>& out,
                           std::vector<QString>* names = nullptr, int depth = 0)
{
    if (!a || !a->isValid() || a->state().invisible || depth > 40)
        return;
    const QAccessible::Role role = a->role();
    if (names && !a->text(QAccessible::Name).isEmpty())
        names->push_back(a->text(QAccessible::Name));
    const QString here = path + QStringLiteral("/") + QString::number(role, 16) + QStringLiteral(" '") +
                         a->text(QAccessible::Name) + QStringLiteral("'");
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::PageTab:
        if (a->text(QAccessible::Name).trimmed().isEmpty())
            out.push_back(here.toStdString());
        break;
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
        return; // rows of data, not controls
    default: break;
    }
    for (int i = 0; i < a->childCount(); ++i)
        CollectUnnamed(a->child(i), here, out, names, depth + 1);
}

// The controls without a name in every window on screen, each with the way
// to it (roles in hex, names quoted); `names`, when given, gets every name
// a screen reader would read there.
inline std::vector<std::string> UnnamedControls(std::vector<QString>* names = nullptr)
{
    std::vector<std::string> out;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible())
            CollectUnnamed(QAccessible::queryAccessibleInterface(top), top->windowTitle(), out, names);
    return out;
}

} // namespace gh::gui
