#pragma once
// Screenshot checks of a board form: each outline the form shows is drawn in its pen
// colour where the layout places it.

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

// The names of the visible outlines of form whose pen colour is missing on the edges of
// their rectangles in shot (a grab of form).
std::vector<std::string> OutlinesNotDrawn(const QWidget& form, const QImage& shot);
// Saves shot as <build>/screenshots/<name>.png; true when written.
bool SaveScreenshot(const QImage& shot, const std::string& name);
