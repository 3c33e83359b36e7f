#include "updater/updater.h"

#include "updater/updateflow.h"

Updater::Updater(QObject *parent)
    : UpdateInterface(parent)
    , flow(new UpdateFlow(this))
{
    connect(flow, &UpdateFlow::updateDone, this, &UpdateInterface::updateDone);
    connect(flow, &UpdateFlow::updateError, this, &UpdateInterface::updateError);
}

Updater::~Updater()
{
    releaseGui();
}

void Updater::startupCheck(uint localVersion, const QString &tag)
{
    flow->startupCheck(localVersion, tag);
}

void Updater::silentCheck(uint localVersion, const QString &tag)
{
    flow->silentCheck(localVersion, tag);
}

void Updater::manualCheck(uint localVersion, const QString &tag)
{
    flow->manualCheck(localVersion, tag);
}

void Updater::releaseGui()
{
    flow->releaseGui();
}
