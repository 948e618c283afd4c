#pragma once
// The graph of a plot window drawn onto a printer page or into a bitmap, and the bitmap
// written as a BMP file. The window's own layout and output flags are left as they were.

#include <QImage>
#include <QString>

#include "results/bitmap_format.h"
#include "results/graph_layout.h"

class QPrinter;

namespace corvex {

class TPlotForm;

// The window font (14 pixels on a 96 pixels-per-inch screen) at a printer's resolution.
int PrinterFontHeight(int printerDpiY);

// Prints the graph as one document on `printer` (already chosen); `layout` receives the print
// layout used. False when the printer could not start the document.
bool PrintGraph(TPlotForm& form, QPrinter& printer, TPlotLayout* layout = nullptr);

// Draws the graph into `bitmap` with the bitmap layout; returns that layout.
TPlotLayout DrawGraphIntoBitmap(TPlotForm& form, QImage& bitmap);

// The bitmap reduced to the chosen colours (true colour stays 24 bits).
QImage BitmapInColors(const QImage& bitmap, TBitmapColors colors);

// Writes the bitmap as a BMP file; the file it replaces stays intact when writing fails.
bool WriteBitmapFile(const QImage& bitmap, TBitmapColors colors, const QString& path);

}  // namespace corvex
