// SPDX-License-Identifier: GPL-3.0-or-later
#include "SjisByteLimitValidator.h"

#include "Cp932.h"

namespace zunpeko {

SjisByteLimitValidator::SjisByteLimitValidator(std::size_t maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State SjisByteLimitValidator::validate(QString& input, int& /*pos*/) const {
    return FromDisplay(input).size() <= maxBytes_ ? Acceptable : Invalid;
}

}  // namespace zunpeko
