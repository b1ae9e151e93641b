// Ids of the Configuration dialog, its six pages and their controls, shared by the code and the resource
// script. Ids are unique within their own dialog only: the General page's "On angle" combo and the Switch
// page's "Done" button are both 1059.
#pragma once

// Templates
#define IDD_CONFIG 116
#define IDD_LASER_PAGE 117
#define IDD_SPRINKLE_PAGE 118
#define IDD_COLOR_PAGE 119
#define IDD_GENERAL_PAGE 120
#define IDD_SWITCH_PAGE 121
#define IDD_HELP_PAGE 122

// Configuration dialog (Save and Cancel are IDOK and IDCANCEL)
#define IDC_DEFAULT 1002
#define IDC_TABS 1026

// Laser page
#define IDC_RENDERING_MODE 1014
#define IDC_STIPPLE_MODE 1015
#define IDC_SYMMETRY_MODE 1018
#define IDC_LINE_WIDTH 1021
#define IDC_STIPPLE_SIZE 1020
#define IDC_ALPHA_LASER 1043
#define IDC_SPEED_LASER 1004
#define IDC_STACK 1016
#define IDC_STENCIL 1028
#define IDC_DOUBLED 1017
#define IDC_ANTIALIAS 1030

// Sprinkle page
#define IDC_ROUTE_A 1001
#define IDC_ROUTE_B 1003
#define IDC_BLENDING_MODE 1019
#define IDC_ALPHA_SPRINKLE 1025
#define IDC_DENSITY 1012
#define IDC_SPEED_TEXTURE 1005

// Color page
#define IDC_AMPLITUDE_RED 1006
#define IDC_AMPLITUDE_GREEN 1007
#define IDC_AMPLITUDE_BLUE 1008
#define IDC_CONST_RED 1009
#define IDC_CONST_GREEN 1010
#define IDC_CONST_BLUE 1011
#define IDC_GRADS_RADIUS 1022
#define IDC_GRADS_ANGLE 1023
#define IDC_GRADS_TIME 1024

// General page
#define IDC_FUNC_RADIUS 1057
#define IDC_FUNC_ANGLE 1059
#define IDC_ROTATE_Z 1034
#define IDC_ROTATE_X 1036
#define IDC_ROTATE_Y 1035
#define IDC_SPEED_VIEW 1039
#define IDC_DEPTH_TEST 1033
#define IDC_DEPTH_AMPL 1032
#define IDC_DEPTH_FREQ 1037

// Switch page: the check box of list i is IDC_FIRST_LIST_CHECK + i
#define IDC_PERIOD 1041
#define IDC_LIST_NAME 1058
#define IDC_DONE 1059
#define IDC_CLEAR 1070
#define IDC_FIRST_LIST_CHECK 1060
