#include "ui/Disclaimer.h"

Disclaimer Disclaimer::forLanguage(const QString& code) {
    if (code == QLatin1String("de")) {
        return {QStringLiteral("Lizenz öffnen…"), QStringLiteral("Website"),
                QStringLiteral("Tarnwell ist kostenlos und stammt von den Tarnwell-Entwicklern; die Nutzung erfolgt "
                               "auf eigene Gefahr, und die Tarnwell-Entwickler haften nicht für Datenverlust oder "
                               "fehlgeschlagene Importe.")};
    }
    if (code == QLatin1String("es")) {
        return {QStringLiteral("Abrir licencia…"), QStringLiteral("Sitio web"),
                QStringLiteral("Tarnwell es gratuito y lo hacen los desarrolladores de Tarnwell; se usa bajo la propia "
                               "responsabilidad, y los desarrolladores de Tarnwell no responden de pérdidas de datos "
                               "ni de importaciones fallidas.")};
    }
    return {QStringLiteral("Open license…"), QStringLiteral("Website"),
            QStringLiteral("Tarnwell is free of charge and made by the Tarnwell developers; you use it at your own "
                           "risk, and the Tarnwell developers accept no liability for data loss or failed imports.")};
}
