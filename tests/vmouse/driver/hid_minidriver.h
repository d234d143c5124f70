/* What a HID minidriver needs of the HID class driver and mingw-w64's DDK headers lack (their
 * hidclass.h numbers the internal requests differently): the registration, the device
 * extension the class driver gives each device, and the internal requests, as the Windows
 * driver kit documents them. */
#ifndef QUORVEL_TESTS_VMOUSE_HID_MINIDRIVER_H
#define QUORVEL_TESTS_VMOUSE_HID_MINIDRIVER_H

#include <ddk/wdm.h>

typedef struct {
    ULONG Revision;
    PDRIVER_OBJECT DriverObject;
    PUNICODE_STRING RegistryPath;
    ULONG DeviceExtensionSize;
    BOOLEAN DevicesArePolled;
    UCHAR Reserved[3];
} HID_MINIDRIVER_REGISTRATION;

NTSTATUS NTAPI HidRegisterMinidriver(HID_MINIDRIVER_REGISTRATION* registration);

typedef struct {
    PDEVICE_OBJECT PhysicalDeviceObject;
    PDEVICE_OBJECT NextDeviceObject;
    PVOID MiniDeviceExtension;
} HID_DEVICE_EXTENSION;

typedef struct {
    ULONG Size;
    USHORT VendorID;
    USHORT ProductID;
    USHORT VersionNumber;
    USHORT Reserved[11];
} HID_DEVICE_ATTRIBUTES;

#pragma pack(push, 1)
typedef struct {
    UCHAR bLength;
    UCHAR bDescriptorType;
    USHORT bcdHID;
    UCHAR bCountry;
    UCHAR bNumDescriptors;
    struct {
        UCHAR bReportType;
        USHORT wReportLength;
    } DescriptorList[1];
} HID_DESCRIPTOR;
#pragma pack(pop)

typedef struct {
    PUCHAR reportBuffer;
    ULONG reportBufferLen;
    UCHAR reportId;
} HID_XFER_PACKET;

#define HID_REVISION 1
#define HID_HID_DESCRIPTOR_TYPE 0x21
#define HID_REPORT_DESCRIPTOR_TYPE 0x22

#define HID_CTL_CODE(id) CTL_CODE(FILE_DEVICE_KEYBOARD, (id), METHOD_NEITHER, FILE_ANY_ACCESS)
#define HID_IN_CTL_CODE(id) CTL_CODE(FILE_DEVICE_KEYBOARD, (id), METHOD_IN_DIRECT, FILE_ANY_ACCESS)
#define HID_OUT_CTL_CODE(id) \
    CTL_CODE(FILE_DEVICE_KEYBOARD, (id), METHOD_OUT_DIRECT, FILE_ANY_ACCESS)

#define MINI_GET_DEVICE_DESCRIPTOR HID_CTL_CODE(0)
#define MINI_GET_REPORT_DESCRIPTOR HID_CTL_CODE(1)
#define MINI_READ_REPORT HID_CTL_CODE(2)
#define MINI_WRITE_REPORT HID_CTL_CODE(3)
#define MINI_GET_STRING HID_CTL_CODE(4)
#define MINI_GET_DEVICE_ATTRIBUTES HID_CTL_CODE(9)
#define MINI_GET_FEATURE HID_OUT_CTL_CODE(100)
#define MINI_SET_FEATURE HID_IN_CTL_CODE(100)

#endif
