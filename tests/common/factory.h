// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef TST_FACTORY_H
#define TST_FACTORY_H

#include <QWidget>

#include <functional>

// Builds a T under a parent (args follow it); a _data() column of these runs one body per class.
using Make = std::function<QWidget *(QWidget *parent)>;
Q_DECLARE_METATYPE(Make)

template<class T, class... Args>
Make make(Args... args)
{
    return [=](QWidget *parent) { return new T(parent, args...); };
}

#endif // TST_FACTORY_H
