#include "device/HidapiTransport.h"

// Placeholder until the hidapi transport lands.
int selectHidInterface(const QList<HidInterfaceInfo>&, quint16, quint16, bool) { return -1; }
HidapiTransport::HidapiTransport() = default;
HidapiTransport::~HidapiTransport() = default;
void HidapiTransport::setVidPid(quint16 vid, quint16 pid, bool f) { m_vid = vid; m_pid = pid; m_vendorPageFilter = f; }
QString HidapiTransport::findDevice() { return QString(); }
bool HidapiTransport::open(const QString&) { return false; }
void HidapiTransport::close() {}
bool HidapiTransport::isOpen() const { return m_device != nullptr; }
bool HidapiTransport::writeReport(const QByteArray&) { return false; }
QByteArray HidapiTransport::readReport(int) { return QByteArray(); }
