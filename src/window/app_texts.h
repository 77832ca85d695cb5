#pragma once
// Texts of the application as a whole, shared by the window's subsystems.

#include <QString>

namespace pc {

// Texts of the application as a whole.
inline const QString ApplicationTitle = QStringLiteral(" Pilecorr 2.5.0.3 ");
inline const QString MainWindowCaption = QStringLiteral(" Pilecorr ");
inline const QString VersionText = QStringLiteral(" Version 2.5.0 - September 2013 ");
inline const QString BetaBannerText =
    QStringLiteral(" Beta version 2.5.0. Double-check the results  ");
inline constexpr int HintHidePauseMs = 2500;
inline const QString OpenDesignTitle = QStringLiteral("Open design");
inline const QString SaveDesignTitle = QStringLiteral("Save design");

} // namespace pc
