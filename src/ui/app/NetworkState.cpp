#include "NetworkState.h"

#include <QNetworkInformation>

bool hasNetworkConnection()
{
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation *info = QNetworkInformation::instance();
    if (!info)
        return true; // no backend here: let the user go ahead rather than warn wrongly
    const auto reachability = info->reachability();
    return reachability != QNetworkInformation::Reachability::Disconnected;
}
