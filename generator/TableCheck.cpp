#include "TableCheck.h"

#include "GenerationOptions.h"

void checkTableValues(GenerationOptions &o)
{
    if (o.TableColumns >= 1 && o.TableColumns <= 5) {
        o.TableLayout = true;
    } else {
        o.TableLayout = false;
        o.TableColumns = 0;
    }
    if (o.TableBorderWidth < 0 || o.TableBorderWidth > 5)
        o.TableBorderWidth = 0;
    o.TableBorderText = QString::number(o.TableBorderWidth);
    // Exact comparison: "left" is not "LEFT".
    if (o.TableAlign != QLatin1String("LEFT") && o.TableAlign != QLatin1String("CENTER")
        && o.TableAlign != QLatin1String("RIGHT"))
        o.TableAlign = QStringLiteral("CENTER");
    if (o.TableVAlign != QLatin1String("TOP") && o.TableVAlign != QLatin1String("MIDDLE")
        && o.TableVAlign != QLatin1String("BOTTOM"))
        o.TableVAlign = QStringLiteral("MIDDLE");
}
