/* The virtual mouse: a HID minidriver for tests under Wine. It presents one top-level
 * collection of the mouse per root-enumerated device (the boot mouse, the notification
 * collection, the command collection) and relays every report to the firmware host over a
 * named pipe; it keeps no firmware of its own.
 *
 * Which collection a device is comes from its device ID ("ROOT\VID_04D9&PID_A09F&MI_01&COL02"),
 * set by the host when it installs the device.
 *
 * What the HID class driver sends, and what each is for:
 *   IRP_MJ_PNP, IRP_MN_START_DEVICE      connect the device's two pipe connections to the host
 *                                        (the start fails, so no HID device appears, when the
 *                                        host is not running); then passed down to the root PDO
 *   IRP_MN_SURPRISE_REMOVAL, REMOVE      the device is going (the host removed it): the read
 *                                        held pending ends, so the class driver's read thread can
 *                                        stop; at REMOVE the connections are closed
 *   other IRP_MJ_PNP                     passed down unchanged
 *   IRP_MJ_INTERNAL_DEVICE_CONTROL, the minidriver requests:
 *     GET_DEVICE_DESCRIPTOR              the HID descriptor: one report descriptor, its length
 *     GET_REPORT_DESCRIPTOR              the collection's report descriptor; the class driver
 *                                        derives usage page, usage and report lengths from it
 *     GET_DEVICE_ATTRIBUTES              vendor 0x04D9, product 0xA09F, version 0x0100
 *     READ_REPORT                        the class driver's endless interrupt read: held pending
 *                                        until the host pushes an input report
 *     WRITE_REPORT                       an output report (WriteFile): relayed, answered by the
 * host SET_FEATURE, GET_FEATURE           HidD_SetFeature, HidD_GetFeature: relayed likewise
 *     GET_STRING and the rest            not supported
 */
#include <ddk/wdm.h>

#include "../relay_protocol.h"
#include "hid_minidriver.h"

NTSTATUS NTAPI ZwWaitForSingleObject(HANDLE handle, BOOLEAN alertable, PLARGE_INTEGER timeout);

#define MOUSE_VENDOR 0x04D9
#define MOUSE_PRODUCT 0xA09F
#define MOUSE_VERSION 0x0100
#define QUEUED_INPUTS 8

/* Boot mouse: buttons, X, Y, wheel; no report identifier: input length 5. */
static const UCHAR boot_mouse_descriptor[] = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19, 0x01, 0x29, 0x08,
    0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31,
    0x09, 0x38, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x03, 0x81, 0x06, 0xC0, 0xC0};
/* Notification collection: usage page and usage 0xFF01, report 6 of four bytes: input 5. */
static const UCHAR notification_descriptor[] = {0x06, 0x01, 0xFF, 0x0A, 0x01, 0xFF, 0xA1, 0x01,
                                                0x85, 0x06, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75,
                                                0x08, 0x95, 0x04, 0x09, 0x01, 0x81, 0x02, 0xC0};
/* Command collection: usage page and usage 0xFF00, no report identifier; 32-byte input and
 * output reports (33 with the identifier byte), 8-byte feature report (9). */
static const UCHAR command_descriptor[] = {0x06, 0x00, 0xFF, 0x0A, 0x00, 0xFF, 0xA1, 0x01, 0x15,
                                           0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x20, 0x09,
                                           0x01, 0x81, 0x02, 0x95, 0x20, 0x09, 0x02, 0x91, 0x02,
                                           0x95, 0x08, 0x09, 0x03, 0xB1, 0x02, 0xC0};

static const struct {
    const WCHAR* id_suffix;
    const UCHAR* descriptor;
    USHORT length;
} roles[RELAY_ROLE_COUNT] = {
    {L"&MI_00", boot_mouse_descriptor, sizeof(boot_mouse_descriptor)},
    {L"&MI_01&COL01", notification_descriptor, sizeof(notification_descriptor)},
    {L"&MI_01&COL02", command_descriptor, sizeof(command_descriptor)},
};

typedef struct {
    int role;
    HANDLE requests; /* request connection: one request, one answer, under request_lock */
    /* A synchronization event, not a KMUTEX: Wine 8's KeReleaseMutex does not hand a held
     * mutex to a thread already waiting for it, which then waits until the holder's thread
     * ends; a removal that came during a request stalled the driver's process for good. */
    KEVENT request_lock;
    HANDLE input_thread; /* reads the input connection until the host closes it */
    KSPIN_LOCK lock;     /* guards what follows */
    IRP* pending_read;
    volatile BOOLEAN removed;
    ULONG queued;
    UCHAR queue[QUEUED_INPUTS][RELAY_MAX_PAYLOAD];
    ULONG queue_length[QUEUED_INPUTS];
} vmouse_device;

static vmouse_device* device_of(DEVICE_OBJECT* device) {
    return ((HID_DEVICE_EXTENSION*)device->DeviceExtension)->MiniDeviceExtension;
}

static BOOLEAN ends_with(const WCHAR* text, const WCHAR* suffix) {
    SIZE_T t = 0, s = 0;
    while (text[t])
        ++t;
    while (suffix[s])
        ++s;
    if (s > t)
        return FALSE;
    for (SIZE_T i = 0; i < s; ++i)
        if (text[t - s + i] != suffix[i])
            return FALSE;
    return TRUE;
}

/* The role from the root device's ID; -1 for a device this driver does not know. */
static int role_of(DEVICE_OBJECT* pdo) {
    IO_STATUS_BLOCK io;
    KEVENT done;
    KeInitializeEvent(&done, NotificationEvent, FALSE);
    IRP* irp = IoBuildSynchronousFsdRequest(IRP_MJ_PNP, pdo, NULL, 0, NULL, &done, &io);
    if (!irp)
        return -1;
    IO_STACK_LOCATION* stack = IoGetNextIrpStackLocation(irp);
    stack->MinorFunction = IRP_MN_QUERY_ID;
    stack->Parameters.QueryId.IdType = BusQueryDeviceID;
    irp->IoStatus.Status = STATUS_NOT_SUPPORTED;
    if (IoCallDriver(pdo, irp) == STATUS_PENDING)
        KeWaitForSingleObject(&done, Executive, KernelMode, FALSE, NULL);
    if (io.Status != STATUS_SUCCESS)
        return -1;
    WCHAR* id = (WCHAR*)io.Information;
    int role = -1;
    for (int r = 0; r < RELAY_ROLE_COUNT; ++r)
        if (ends_with(id, roles[r].id_suffix))
            role = r;
    ExFreePool(id);
    return role;
}

/* Moves all `length` bytes: a pipe may take or give fewer per call. */
static NTSTATUS transfer_all(HANDLE pipe, BOOLEAN write, UCHAR* bytes, ULONG length) {
    while (length > 0) {
        IO_STATUS_BLOCK io;
        NTSTATUS status = write
                              ? ZwWriteFile(pipe, NULL, NULL, NULL, &io, bytes, length, NULL, NULL)
                              : ZwReadFile(pipe, NULL, NULL, NULL, &io, bytes, length, NULL, NULL);
        if (status != STATUS_SUCCESS)
            return status;
        if (io.Information == 0)
            return STATUS_PIPE_BROKEN;
        bytes += io.Information;
        length -= (ULONG)io.Information;
    }
    return STATUS_SUCCESS;
}

static NTSTATUS send_message(HANDLE pipe, UCHAR kind, int role, const UCHAR* payload,
                             ULONG length) {
    UCHAR message[RELAY_HEADER_SIZE + RELAY_MAX_PAYLOAD];
    if (length > RELAY_MAX_PAYLOAD)
        return STATUS_BUFFER_OVERFLOW;
    message[RELAY_KIND] = kind;
    message[RELAY_ROLE] = (UCHAR)role;
    message[RELAY_LENGTH_LOW] = (UCHAR)length;
    message[RELAY_LENGTH_HIGH] = 0;
    for (ULONG i = 0; i < length; ++i)
        message[RELAY_HEADER_SIZE + i] = payload[i];
    return transfer_all(pipe, TRUE, message, RELAY_HEADER_SIZE + length);
}

/* One message: its kind and payload; the payload is cut to `capacity`, the rest read away. */
static NTSTATUS receive_message(HANDLE pipe, UCHAR* kind, UCHAR* payload, ULONG capacity,
                                ULONG* length) {
    UCHAR header[RELAY_HEADER_SIZE];
    UCHAR rest[RELAY_MAX_PAYLOAD];
    NTSTATUS status = transfer_all(pipe, FALSE, header, sizeof(header));
    if (status != STATUS_SUCCESS)
        return status;
    ULONG total = header[RELAY_LENGTH_LOW] | (header[RELAY_LENGTH_HIGH] << 8);
    if (total > RELAY_MAX_PAYLOAD)
        return STATUS_INVALID_NETWORK_RESPONSE;
    if ((status = transfer_all(pipe, FALSE, rest, total)) != STATUS_SUCCESS)
        return status;
    *kind = header[RELAY_KIND];
    *length = total < capacity ? total : capacity;
    for (ULONG i = 0; i < *length; ++i)
        payload[i] = rest[i];
    return STATUS_SUCCESS;
}

/* A connection to the host; the host may be between two pipe instances, so it is tried for
 * up to ten seconds (a loaded machine starts the next instance late). */
static NTSTATUS connect_host(HANDLE* pipe) {
    UNICODE_STRING name;
    OBJECT_ATTRIBUTES attributes;
    IO_STATUS_BLOCK io;
    LARGE_INTEGER pause;
    NTSTATUS status = STATUS_UNSUCCESSFUL;
    RtlInitUnicodeString(&name, L"\\Device\\NamedPipe\\" RELAY_PIPE_NAME);
    InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL,
                               NULL);
    pause.QuadPart = -10 * 1000 * 20; /* 20 ms */
    for (int attempt = 0; attempt < 500; ++attempt) {
        status = ZwCreateFile(pipe, GENERIC_READ | GENERIC_WRITE | SYNCHRONIZE, &attributes, &io,
                              NULL, 0, 0, FILE_OPEN,
                              FILE_SYNCHRONOUS_IO_NONALERT | FILE_NON_DIRECTORY_FILE, NULL, 0);
        if (status != STATUS_PIPE_NOT_AVAILABLE && status != STATUS_INSTANCE_NOT_AVAILABLE &&
            status != STATUS_PIPE_BUSY)
            return status;
        KeDelayExecutionThread(KernelMode, FALSE, &pause);
    }
    return status;
}

/* Completes the pending read with `report`, or queues the report for the next read. */
static void deliver_input(vmouse_device* dev, const UCHAR* report, ULONG length) {
    KIRQL irql;
    KeAcquireSpinLock(&dev->lock, &irql);
    IRP* irp = dev->pending_read;
    dev->pending_read = NULL;
    if (!irp && dev->queued < QUEUED_INPUTS) {
        for (ULONG i = 0; i < length; ++i)
            dev->queue[dev->queued][i] = report[i];
        dev->queue_length[dev->queued++] = length;
    }
    KeReleaseSpinLock(&dev->lock, irql);
    if (!irp)
        return;
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    ULONG capacity = stack->Parameters.DeviceIoControl.OutputBufferLength;
    ULONG n = length < capacity ? length : capacity;
    UCHAR* buffer = irp->UserBuffer;
    for (ULONG i = 0; i < n; ++i)
        buffer[i] = report[i];
    irp->IoStatus.Information = n;
    irp->IoStatus.Status = STATUS_SUCCESS;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
}

static VOID NTAPI input_thread(PVOID context) {
    vmouse_device* dev = context;
    HANDLE pipe;
    if (connect_host(&pipe) == STATUS_SUCCESS) {
        if (send_message(pipe, RELAY_HELLO_INPUT, dev->role, NULL, 0) == STATUS_SUCCESS) {
            UCHAR kind, report[RELAY_MAX_PAYLOAD];
            ULONG length;
            /* The host sends a keep-alive every few tens of milliseconds, so a removed
             * device's thread ends soon without closing a handle another thread reads. */
            while (!dev->removed && receive_message(pipe, &kind, report, sizeof(report), &length) ==
                                        STATUS_SUCCESS) {
                if (kind == RELAY_INPUT)
                    deliver_input(dev, report, length);
            }
        }
        ZwClose(pipe);
    }
    PsTerminateSystemThread(STATUS_SUCCESS);
}

/* Sends one request and waits for its answer; `answer` gets the bytes after the status. */
static NTSTATUS relay(vmouse_device* dev, UCHAR kind, const UCHAR* payload, ULONG length,
                      UCHAR* answer, ULONG capacity, ULONG* answered) {
    UCHAR reply[RELAY_MAX_PAYLOAD + 1], reply_kind = 0;
    ULONG reply_length = 0;
    NTSTATUS status = STATUS_DEVICE_NOT_CONNECTED;
    KeWaitForSingleObject(&dev->request_lock, Executive, KernelMode, FALSE, NULL);
    if (dev->requests &&
        send_message(dev->requests, kind, dev->role, payload, length) == STATUS_SUCCESS &&
        receive_message(dev->requests, &reply_kind, reply, sizeof(reply), &reply_length) ==
            STATUS_SUCCESS &&
        reply_kind == RELAY_ANSWER && reply_length >= 1) {
        status = reply[0] == RELAY_STATUS_DONE ? STATUS_SUCCESS : STATUS_IO_DEVICE_ERROR;
        ULONG n = reply_length - 1 < capacity ? reply_length - 1 : capacity;
        for (ULONG i = 0; i < n; ++i)
            answer[i] = reply[1 + i];
        if (answered)
            *answered = n;
    }
    KeSetEvent(&dev->request_lock, IO_NO_INCREMENT, FALSE);
    return status;
}

static NTSTATUS start(vmouse_device* dev) {
    NTSTATUS status = connect_host(&dev->requests);
    if (status != STATUS_SUCCESS) {
        dev->requests = NULL;
        return status;
    }
    if ((status = send_message(dev->requests, RELAY_HELLO_REQUESTS, dev->role, NULL, 0)))
        return status;
    return PsCreateSystemThread(&dev->input_thread, THREAD_ALL_ACCESS, NULL, NULL, NULL,
                                input_thread, dev);
}

/* The device is going: the read held pending ends, later reads fail at once. */
static void end_reads(vmouse_device* dev) {
    KIRQL irql;
    KeAcquireSpinLock(&dev->lock, &irql);
    dev->removed = TRUE;
    IRP* irp = dev->pending_read;
    dev->pending_read = NULL;
    KeReleaseSpinLock(&dev->lock, irql);
    if (irp) {
        irp->IoStatus.Status = STATUS_DELETE_PENDING;
        irp->IoStatus.Information = 0;
        IoCompleteRequest(irp, IO_NO_INCREMENT);
    }
}

static void stop(vmouse_device* dev) {
    end_reads(dev);
    KeWaitForSingleObject(&dev->request_lock, Executive, KernelMode, FALSE, NULL);
    if (dev->requests)
        ZwClose(dev->requests);
    dev->requests = NULL;
    KeSetEvent(&dev->request_lock, IO_NO_INCREMENT, FALSE);
    if (dev->input_thread) {
        /* The thread sees `removed` at the host's next keep-alive; the wait is bounded in
         * case the host died. */
        LARGE_INTEGER limit;
        limit.QuadPart = -10 * 1000 * 2000;
        ZwWaitForSingleObject(dev->input_thread, FALSE, &limit);
        ZwClose(dev->input_thread);
        dev->input_thread = NULL;
    }
}

static NTSTATUS NTAPI dispatch_pnp(DEVICE_OBJECT* device, IRP* irp) {
    HID_DEVICE_EXTENSION* ext = device->DeviceExtension;
    vmouse_device* dev = ext->MiniDeviceExtension;
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    switch (stack->MinorFunction) {
        case IRP_MN_START_DEVICE: {
            NTSTATUS status = start(dev);
            if (status != STATUS_SUCCESS) {
                stop(dev);
                irp->IoStatus.Status = status;
                IoCompleteRequest(irp, IO_NO_INCREMENT);
                return status;
            }
            break;
        }
        case IRP_MN_SURPRISE_REMOVAL:
            end_reads(dev);
            break;
        case IRP_MN_REMOVE_DEVICE:
            stop(dev);
            break;
        default:
            break;
    }
    IoSkipCurrentIrpStackLocation(irp);
    return IoCallDriver(ext->NextDeviceObject, irp);
}

static NTSTATUS read_report(vmouse_device* dev, IRP* irp) {
    KIRQL irql;
    KeAcquireSpinLock(&dev->lock, &irql);
    if (dev->removed || dev->pending_read) {
        KeReleaseSpinLock(&dev->lock, irql);
        return STATUS_DELETE_PENDING;
    }
    if (dev->queued == 0) {
        IoMarkIrpPending(irp);
        dev->pending_read = irp;
        KeReleaseSpinLock(&dev->lock, irql);
        return STATUS_PENDING;
    }
    UCHAR report[RELAY_MAX_PAYLOAD];
    ULONG length = dev->queue_length[0];
    for (ULONG i = 0; i < length; ++i)
        report[i] = dev->queue[0][i];
    for (ULONG q = 1; q < dev->queued; ++q) {
        for (ULONG i = 0; i < RELAY_MAX_PAYLOAD; ++i)
            dev->queue[q - 1][i] = dev->queue[q][i];
        dev->queue_length[q - 1] = dev->queue_length[q];
    }
    --dev->queued;
    KeReleaseSpinLock(&dev->lock, irql);
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    ULONG capacity = stack->Parameters.DeviceIoControl.OutputBufferLength;
    ULONG n = length < capacity ? length : capacity;
    for (ULONG i = 0; i < n; ++i)
        ((UCHAR*)irp->UserBuffer)[i] = report[i];
    irp->IoStatus.Information = n;
    return STATUS_SUCCESS;
}

static NTSTATUS NTAPI dispatch_internal(DEVICE_OBJECT* device, IRP* irp) {
    vmouse_device* dev = device_of(device);
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    ULONG out_size = stack->Parameters.DeviceIoControl.OutputBufferLength;
    NTSTATUS status = STATUS_NOT_SUPPORTED;
    irp->IoStatus.Information = 0;
    switch (stack->Parameters.DeviceIoControl.IoControlCode) {
        case MINI_GET_DEVICE_DESCRIPTOR: {
            HID_DESCRIPTOR* hid = irp->UserBuffer;
            if (out_size < sizeof(*hid)) {
                status = STATUS_BUFFER_TOO_SMALL;
                break;
            }
            hid->bLength = sizeof(*hid);
            hid->bDescriptorType = HID_HID_DESCRIPTOR_TYPE;
            hid->bcdHID = 0x0111;
            hid->bCountry = 0;
            hid->bNumDescriptors = 1;
            hid->DescriptorList[0].bReportType = HID_REPORT_DESCRIPTOR_TYPE;
            hid->DescriptorList[0].wReportLength = roles[dev->role].length;
            irp->IoStatus.Information = sizeof(*hid);
            status = STATUS_SUCCESS;
            break;
        }
        case MINI_GET_REPORT_DESCRIPTOR:
            if (out_size < roles[dev->role].length) {
                status = STATUS_BUFFER_TOO_SMALL;
                break;
            }
            for (ULONG i = 0; i < roles[dev->role].length; ++i)
                ((UCHAR*)irp->UserBuffer)[i] = roles[dev->role].descriptor[i];
            irp->IoStatus.Information = roles[dev->role].length;
            status = STATUS_SUCCESS;
            break;
        case MINI_GET_DEVICE_ATTRIBUTES: {
            HID_DEVICE_ATTRIBUTES* attributes = irp->UserBuffer;
            if (out_size < sizeof(*attributes)) {
                status = STATUS_BUFFER_TOO_SMALL;
                break;
            }
            RtlZeroMemory(attributes, sizeof(*attributes));
            attributes->Size = sizeof(*attributes);
            attributes->VendorID = MOUSE_VENDOR;
            attributes->ProductID = MOUSE_PRODUCT;
            attributes->VersionNumber = MOUSE_VERSION;
            irp->IoStatus.Information = sizeof(*attributes);
            status = STATUS_SUCCESS;
            break;
        }
        case MINI_READ_REPORT:
            status = read_report(dev, irp);
            if (status == STATUS_PENDING)
                return status;
            break;
        case MINI_WRITE_REPORT:
        case MINI_SET_FEATURE: {
            HID_XFER_PACKET* packet = irp->UserBuffer;
            UCHAR kind = stack->Parameters.DeviceIoControl.IoControlCode == MINI_WRITE_REPORT
                             ? RELAY_WRITE
                             : RELAY_SET_FEATURE;
            status = relay(dev, kind, packet->reportBuffer, packet->reportBufferLen, NULL, 0, NULL);
            if (status == STATUS_SUCCESS)
                irp->IoStatus.Information = packet->reportBufferLen;
            break;
        }
        case MINI_GET_FEATURE: {
            HID_XFER_PACKET* packet = irp->UserBuffer;
            ULONG answered = 0;
            UCHAR wanted =
                (UCHAR)(packet->reportBufferLen < RELAY_MAX_PAYLOAD ? packet->reportBufferLen
                                                                    : RELAY_MAX_PAYLOAD);
            status = relay(dev, RELAY_GET_FEATURE, &wanted, 1, packet->reportBuffer,
                           packet->reportBufferLen, &answered);
            if (status == STATUS_SUCCESS)
                irp->IoStatus.Information = answered;
            break;
        }
        default:
            break;
    }
    irp->IoStatus.Status = status;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static NTSTATUS NTAPI add_device(DRIVER_OBJECT* driver, DEVICE_OBJECT* device) {
    (void)driver;
    HID_DEVICE_EXTENSION* ext = device->DeviceExtension;
    vmouse_device* dev = ext->MiniDeviceExtension;
    RtlZeroMemory(dev, sizeof(*dev));
    dev->role = role_of(ext->PhysicalDeviceObject);
    if (dev->role < 0)
        return STATUS_NOT_SUPPORTED;
    KeInitializeEvent(&dev->request_lock, SynchronizationEvent, TRUE);
    KeInitializeSpinLock(&dev->lock);
    device->Flags &= ~DO_DEVICE_INITIALIZING;
    return STATUS_SUCCESS;
}

static VOID NTAPI unload(DRIVER_OBJECT* driver) {
    (void)driver;
}

NTSTATUS NTAPI DriverEntry(DRIVER_OBJECT* driver, UNICODE_STRING* registry) {
    HID_MINIDRIVER_REGISTRATION registration;
    RtlZeroMemory(&registration, sizeof(registration));
    registration.Revision = HID_REVISION;
    registration.DriverObject = driver;
    registration.RegistryPath = registry;
    registration.DeviceExtensionSize = sizeof(vmouse_device);
    registration.DevicesArePolled = FALSE;
    driver->DriverExtension->AddDevice = add_device;
    driver->DriverUnload = unload;
    driver->MajorFunction[IRP_MJ_PNP] = dispatch_pnp;
    driver->MajorFunction[IRP_MJ_INTERNAL_DEVICE_CONTROL] = dispatch_internal;
    return HidRegisterMinidriver(&registration);
}
