#pragma once

class QCoreApplication;

// Gives the toolkit's own texts (the text boxes' context menus, the boxes'
// standard buttons) in Italian, from Qt's translations, whatever language the
// system speaks. False when the translations are not installed.
bool installItalianTranslations(QCoreApplication &application);
