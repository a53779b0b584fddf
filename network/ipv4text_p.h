// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef IPV4TEXT_P_H
#define IPV4TEXT_P_H

// Internal: the one reader of dotted IPv4 text, shared by the editors, the panel and the back ends.

#include <QString>
#include <QStringList>

namespace WidgetDeckNet {

/// The four groups of dotted text, each one to three ASCII digits (no range check, leading
/// zeros kept); empty when @p text is not of that shape.
QStringList ipv4Groups(const QString &text);

/// Dotted IPv4 text (four groups of 1-3 digits, each at most 255) in its canonical form,
/// leading zeros dropped ("192.168.001.020" gives "192.168.1.20"); empty when it is not one.
QString canonicalIPv4(const QString &text);

} // namespace WidgetDeckNet

#endif // IPV4TEXT_P_H
