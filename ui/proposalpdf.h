#pragma once

// The customer's proposal as a PDF document: one A4 page in portrait, drawn with QPainter on a
// QPdfWriter, so that its fonts are embedded and its text can be searched and copied. It needs a
// QGuiApplication (for the fonts); it draws the main window's plan as it is now.

#include <QByteArray>
#include <QDate>
#include <string>

namespace spindex {
class MainForm;
}

namespace spindex::ui {

// planFile names the plan's file ("" for a plan never saved); date is the day it is written.
QByteArray proposalPdf(const spindex::MainForm& main, const std::string& planFile, const QDate& date);

} // namespace spindex::ui
