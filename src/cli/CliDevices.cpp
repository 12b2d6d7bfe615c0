// devices: every HID interface with either identity of the pedals.

#include <hidapi.h>

#include <QList>

#include "cli/CliCommands.h"
#include "cli/CliSimState.h"
#include "cli/CliSupport.h"
#include "device/HidapiTransport.h"

namespace cli {

namespace {

constexpr quint16 kNormalVid = 0x7864;
constexpr quint16 kNormalPid = 0x5801;
constexpr quint16 kUpdateVid = 0x0483;
constexpr quint16 kUpdatePid = 0xBEBA;

void appendEnumerated(quint16 vid, quint16 pid, QList<HidInterfaceInfo>* list)
{
    hid_device_info* head = hid_enumerate(vid, pid);
    for (hid_device_info* d = head; d; d = d->next) {
        HidInterfaceInfo info;
        info.path = QString::fromLocal8Bit(d->path);
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.usagePage = d->usage_page;
        info.usage = d->usage;
        list->append(info);
    }
    hid_free_enumeration(head);
}

// Both identities through hidapi, in enumeration order.
QList<HidInterfaceInfo> enumerateHardware(QString* error)
{
    QList<HidInterfaceInfo> list;
    if (hid_init() != 0) {
        *error = QStringLiteral("the HID library could not be initialised");
        return list;
    }
    appendEnumerated(kNormalVid, kNormalPid, &list);
    appendEnumerated(kUpdateVid, kUpdatePid, &list);
    hid_exit();
    return list;
}

QString hex4(quint16 v)
{
    return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0'));
}

} // namespace

int runDevices(const QStringList& args)
{
    CommandLine cmd(QStringLiteral("devices"),
                    QStringLiteral("Lists every HID interface with the pedals' ids, in normal operation "
                                   "(7864:5801) and in update mode (0483:beba): path, ids, usage page and usage, "
                                   "and which interface the tool would select."),
                    QStringLiteral("devices"));
    int code = ExitOk;
    if (!cmd.parse(args, 0, &code))
        return code;

    const GlobalOptions g = cmd.globals();
    QList<HidInterfaceInfo> list;
    if (g.simulate) {
        list = simulatedInterfaces();
    } else {
        QString error;
        list = enumerateHardware(&error);
        if (!error.isEmpty()) {
            err(QStringLiteral("Cannot list HID devices: %1.").arg(error));
            return ExitDevice;
        }
    }
    if (list.isEmpty()) {
        err(QStringLiteral("Pedals not found. Connect them with USB and try again."));
        return ExitDevice;
    }

    // The same rule the tool applies: vendor page only in normal operation, any in update mode.
    const int normal = selectHidInterface(list, kNormalVid, kNormalPid, true);
    const int update = selectHidInterface(list, kUpdateVid, kUpdatePid, false);

    int pathWidth = 4;
    for (const HidInterfaceInfo& info : list)
        pathWidth = qMax(pathWidth, int(info.path.size()));
    out(QStringLiteral("%1  %2  %3  %4  %5  %6")
            .arg(QStringLiteral("PATH").leftJustified(pathWidth), QStringLiteral("ID       "),
                 QStringLiteral("USAGE PAGE"), QStringLiteral("USAGE "), QStringLiteral("MODE  "),
                 QStringLiteral("SELECTED")));
    for (int i = 0; i < list.size(); ++i) {
        const HidInterfaceInfo& info = list.at(i);
        const bool isUpdate = info.vendorId == kUpdateVid && info.productId == kUpdatePid;
        const bool selected = i == (isUpdate ? update : normal);
        out(QStringLiteral("%1  %2:%3  0x%4      0x%5  %6  %7")
                .arg(info.path.leftJustified(pathWidth), hex4(info.vendorId), hex4(info.productId),
                     hex4(info.usagePage), hex4(info.usage),
                     (isUpdate ? QStringLiteral("update") : QStringLiteral("normal")),
                     selected ? QStringLiteral("yes") : QStringLiteral("no")));
    }
    if (normal < 0 && update < 0)
        err(QStringLiteral("None of these interfaces would be used: the pedals show no vendor-defined "
                           "interface."));
    return ExitOk;
}

} // namespace cli
