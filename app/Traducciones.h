#pragma once
// Qt's own texts in Spanish: the open-file dialog, the context menus of the edit fields
// and the standard buttons.

// Loads Qt's Spanish translation (qtbase_es.qm) from Qt's translations folder, else from
// the folder "translations" beside the executable (where the Windows package puts it),
// and installs it in the running application. False when neither folder holds it.
bool CargarTraduccionesQt();
