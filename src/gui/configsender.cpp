#include "configsender.h"

#include "configdiffmodel.h"
#include "configreviewdialog.h"
#include "dialogs.h"

#include "config/configdiff.h"
#include "config/konfiguracja.h"
#include "link/linkreply.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"

#include <QDateTime>
#include <QStringList>

namespace {

// A verification report lists at most this many settings; the rest are counted.
constexpr int ListedSettings = 15;

std::unique_ptr<Konfiguracja> parsed(const QByteArray &image, Konfiguracja::ConfigSource source,
                                     bool *ok)
{
    auto config = std::make_unique<Konfiguracja>(static_cast<QObject *>(nullptr));
    *ok = config->parse(image, source);
    return config;
}

} // namespace

ConfigSender::ConfigSender(RequestTracker *tracker, QWidget *window)
    : QObject(window), m_window(window), m_tracker(tracker)
{
    if (!tracker)
        return;
    connect(tracker, &RequestTracker::signalFinished, this, &ConfigSender::onFinished);
}

ConfigSender::~ConfigSender() = default;

bool ConfigSender::request(Device::COMMAND command, const QByteArray &payload,
                           Device::COMMAND answer, const QString &description,
                           const QString &lostNote, bool cancellable)
{
    // Without an open port the link would spend three silent writes before saying so.
    if (!m_tracker || !m_tracker->link() || !m_tracker->link()->isOpen())
        return false;
    m_tracker->describeNext(description, lostNote, cancellable);
    LinkReply *reply = m_tracker->start(command, payload, answer);
    if (!reply)
        return false;
    connect(reply, &LinkReply::finished, this, &ConfigSender::onAnswered);
    return true;
}

QString ConfigSender::backupName()
{
    return QStringLiteral("Kopia_")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyy_MM_dd_HH:mm:ss"));
}

bool ConfigSender::start(int id, const QString &name)
{
    if (isBusy())
        return false;
    Dialogs *dialogs = Dialogs::instance();
    const QString title = tr("Konfigurator Ostrel");
    bool ok = false;
    std::unique_ptr<Konfiguracja> config =
            parsed(DbManager::instance()->readConfig(id), Konfiguracja::FromDatabase, &ok);
    if (!ok) {
        dialogs->warning(m_window, title,
                         tr("Konfiguracja %1 nie zostanie wysłana: jej zapisany obraz jest "
                            "uszkodzony.")
                                 .arg(name));
        return false;
    }
    if (config->getModules().isEmpty()) {
        dialogs->warning(m_window, title,
                         tr("Konfiguracja %1 nie zostanie wysłana: nie zawiera żadnego modułu.")
                                 .arg(name));
        return false;
    }
    m_name = name;
    m_backupName.clear();
    m_sentImage.clear();
    m_state = ReadingBefore;
    if (!request(Device::ReadConfig, QByteArray(), Device::ConfigData,
                 tr("odczyt konfiguracji przed wysłaniem"), tr("Nic nie wysłano."), true)) {
        m_state = Idle;
        dialogs->warning(m_window, title, tr("Brak połączenia z urządzeniem."));
        return false;
    }
    m_toSend = std::move(config);
    return true;
}

void ConfigSender::onAnswered(const QByteArray &payload)
{
    switch (m_state) {
    case ReadingBefore:
        backUpAndReview(payload);
        break;
    case Sending: {
        m_state = Verifying;
        const QString unverified = withBackup(
                tr("Urządzenie potwierdziło odbiór, ale konfiguracja nie została zweryfikowana."));
        if (!request(Device::ReadConfig, QByteArray(), Device::ConfigData,
                     tr("odczyt kontrolny konfiguracji"), unverified, false)) {
            Dialogs::instance()->warning(m_window, tr("Konfigurator Ostrel"), unverified);
            finish(false);
        }
        break;
    }
    case Verifying:
        verify(payload);
        break;
    case Idle:
        break;
    }
}

void ConfigSender::backUpAndReview(const QByteArray &unitImage)
{
    Dialogs *dialogs = Dialogs::instance();
    const QString title = tr("Konfigurator Ostrel");
    DbManager *store = DbManager::instance();
    // Repeated attempts on an unchanged unit share one backup instead of piling up copies.
    const int sameBackup = store->newestConfigHolding(QStringLiteral("Kopia_"), unitImage);
    const QString backup =
            sameBackup ? store->readConfigName(sameBackup) : store->freeConfigName(backupName());
    const int backupId = sameBackup ? sameBackup : store->writeConfig(backup, unitImage);
    if (backupId == 0) {
        dialogs->warning(m_window, title,
                         tr("Nie udało się zapisać kopii konfiguracji urządzenia. Nic nie "
                            "wysłano."));
        finish(false);
        return;
    }
    m_backupName = backup;
    emit backupStored(backupId, backup);

    bool ok = false;
    std::unique_ptr<Konfiguracja> unit = parsed(unitImage, Konfiguracja::FromDevice, &ok);
    if (!ok) {
        dialogs->warning(m_window, title,
                         withBackup(tr("Konfiguracji odczytanej z urządzenia nie da się "
                                       "odczytać, więc nie można jej porównać. Nic nie "
                                       "wysłano.")));
        finish(false);
        return;
    }
    const ConfigComparison comparison = compareConfigurations(*unit, *m_toSend);
    if (comparison.isEqual()) {
        dialogs->information(m_window, title,
                             tr("Urządzenie ma już konfigurację %1. Nic nie wysłano.")
                                             .arg(m_name)
                                     + leftOutNote());
        finish(true);
        return;
    }

    ConfigReviewDialog review(comparison, tr("Urządzenie (teraz)"),
                              tr("Do wysłania: %1").arg(m_name), ConfigReviewDialog::Send,
                              m_window);
    if (dialogs->exec(&review) != QDialog::Accepted) {
        finish(false);
        return;
    }
    const QList<ConfigDifference> chosen = review.model()->checkedDifferences();
    if (chosen.isEmpty()) {
        dialogs->information(m_window, title,
                             tr("Nie zaznaczono żadnej zmiany. Nic nie wysłano."));
        finish(false);
        return;
    }
    if (comparison.moduleSetDiffers()) {
        const auto answer = dialogs->question(
                m_window, title,
                tr("Zestaw modułów w urządzeniu jest inny niż w konfiguracji %1 (tylko w "
                   "urządzeniu: %2, tylko w wysyłanej: %3). Ta konfiguracja może należeć do "
                   "innej centrali.\n\nCzy na pewno wysłać ją do urządzenia?")
                        .arg(m_name)
                        .arg(comparison.onlyLeft)
                        .arg(comparison.onlyRight),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            finish(false);
            return;
        }
    }

    std::unique_ptr<Konfiguracja> toSend(applyDifferences(*unit, *m_toSend, chosen));
    m_sentImage = toSend->toByteArray(Konfiguracja::FromDevice);
    // The port may have closed while the review was open.
    m_state = Sending;
    if (!request(Device::ConfigData, m_sentImage, Device::Acknowledge,
                 tr("wysyłanie konfiguracji"),
                 withBackup(tr("Nie wiadomo, czy urządzenie przyjęło konfigurację: odczytaj "
                               "konfigurację, aby to sprawdzić.")),
                 false)) {
        dialogs->warning(m_window, title,
                         withBackup(tr("Brak połączenia z urządzeniem. Nic nie wysłano.")));
        finish(false);
        return;
    }
}

void ConfigSender::verify(const QByteArray &unitImage)
{
    Dialogs *dialogs = Dialogs::instance();
    // What was sent, read back without touching the lengths learnt from the unit.
    bool sentOk = false;
    std::unique_ptr<Konfiguracja> sent = parsed(m_sentImage, Konfiguracja::FromDatabase, &sentOk);
    bool ok = false;
    std::unique_ptr<Konfiguracja> unit = parsed(unitImage, Konfiguracja::FromDevice, &ok);
    const ConfigComparison comparison = compareConfigurations(*sent, *unit);
    if (ok && sentOk && comparison.isEqual()) {
        dialogs->information(m_window, tr("Info"),
                             tr("Dane wysłane poprawnie.") + QLatin1Char('\n')
                                     + tr("Konfiguracja zweryfikowana") + leftOutNote());
        finish(true);
        return;
    }

    QStringList lines;
    const QList<ConfigDifference> differences = comparison.differences();
    for (const ConfigDifference &row : differences) {
        if (lines.size() == ListedSettings) {
            lines << tr("… i jeszcze %1").arg(differences.size() - ListedSettings);
            break;
        }
        switch (row.kind) {
        case ConfigDifference::Changed:
            lines << tr("%1, %2: wysłano %3, urządzenie ma %4")
                             .arg(row.moduleName, row.settingName, row.leftText, row.rightText);
            break;
        case ConfigDifference::OnlyLeft:
            lines << tr("%1: urządzenie nie ma tego modułu").arg(row.moduleName);
            break;
        case ConfigDifference::OnlyRight:
            lines << tr("%1: moduł, którego nie wysłano").arg(row.moduleName);
            break;
        case ConfigDifference::Unchanged:
            break;
        }
    }
    QString text = ok ? tr("Urządzenie potwierdziło odbiór, ale nie przyjęło tych ustawień:")
                      : tr("Konfiguracji odczytanej po wysłaniu nie da się odczytać.");
    if (!lines.isEmpty())
        text += QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    dialogs->warning(m_window, tr("Weryfikacja konfiguracji"), withBackup(text));
    finish(false);
}

// A step that ended without its answer ends the send; the progress strip has said why.
void ConfigSender::onFinished(int outcome)
{
    if (outcome != LinkReply::Answered && m_state != Idle)
        finish(false);
}

QString ConfigSender::leftOutNote() const
{
    if (!m_editsLeftOut)
        return QString();
    return QStringLiteral("\n\n")
            + tr("Niezapisane zmiany z edytora nie zostały wysłane: użyto zapisanej wersji "
                 "konfiguracji %1.")
                      .arg(m_name);
}

QString ConfigSender::withBackup(const QString &text) const
{
    QString full = text + leftOutNote();
    if (!m_backupName.isEmpty())
        full += QStringLiteral("\n\n")
                + tr("Poprzednia konfiguracja urządzenia jest zapisana jako %1.")
                          .arg(m_backupName);
    return full;
}

void ConfigSender::finish(bool verified)
{
    if (m_tracker && m_state != Idle)
        m_tracker->cancel();
    m_state = Idle;
    m_editsLeftOut = false;
    m_toSend.reset();
    emit finished(verified);
}
