// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>
#include <cstddef>

namespace zunpeko {

// Refuses any edit that would make the text longer than maxBytes once it is
// in code page 932, where a kanji takes two bytes and half-width kana one.
class SjisByteLimitValidator final : public QValidator {
  public:
    explicit SjisByteLimitValidator(std::size_t maxBytes, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

  private:
    std::size_t maxBytes_;
};

}  // namespace zunpeko
