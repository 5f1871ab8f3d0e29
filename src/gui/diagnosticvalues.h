#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Pure conversions of the diagnostics window: the unit's live values and self-test results as
// raw numbers and as the texts shown to the technician. Texts use the "DetailsManagement"
// translation context, as the window that shows them.
namespace Diagnostics {

constexpr int LiveRowCount = 35;
constexpr int TestRowCount = 9;
constexpr int TestStepCount = 7;

enum class Verdict { None, Pass, Fail };

// printf "%g" (6 significant digits, C locale) cut to its first maxChars characters.
QString cutNumber(double value, int maxChars);
// A signed 16-bit reading: negative values show "-" and the magnitude times the factor, cut to
// 5 characters; non-negative ones are cut to 4.
QString signedNumber(quint16 raw, double factor);

// LiveStateData payload: byte 0 is N, then big-endian pairs starting at bytes 1, 3, ... <= N.
QVector<quint16> parseLiveState(const QByteArray &payload);
// Results of a finished TestState payload (values from byte 3 on).
QVector<quint16> parseTestResults(const QByteArray &payload);

QString liveRowName(int row);
// Converted text of a live row; values must hold at least row + 1 entries because rows 9 and
// 10 depend on the rows above them.
QString liveText(int row, const QVector<quint16> &values);

// Every text of a stored diagnostics row that the window makes (names, limits, verdicts),
// handed to TextKeys so that a visit shows them in the language of the moment.
void keepTextsAsKeys();

QString testName(int row);
QString testRange(int row);
QString testText(int row, quint16 value);
Verdict testVerdict(int row, quint16 value);

} // namespace Diagnostics
