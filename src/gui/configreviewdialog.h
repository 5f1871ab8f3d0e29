#pragma once

#include "config/configdiff.h"

#include <QDialog>
#include <QString>

#include <memory>

class ConfigDiffModel;

namespace Ui {
class ConfigReviewDialog;
}

// The review of two configurations: a summary, a prominent warning when the module sets
// differ, and one row per difference (or per setting). Before a send, the differences carry
// tick boxes and the dialog is accepted with "Wyślij zaznaczone".
class ConfigReviewDialog : public QDialog
{
    Q_OBJECT
public:
    enum Mode { Compare, Send };

    ConfigReviewDialog(const ConfigComparison &comparison, const QString &leftTitle,
                       const QString &rightTitle, Mode mode, QWidget *parent = nullptr);
    ~ConfigReviewDialog() override;

    ConfigDiffModel *model() const { return m_model; }
    void setShowAll(bool showAll);

    static QString summary(const ConfigComparison &comparison);

private:
    void fitColumns();
    void updateSendButton();

    std::unique_ptr<Ui::ConfigReviewDialog> ui;
    ConfigDiffModel *m_model;
    Mode m_mode;
};
