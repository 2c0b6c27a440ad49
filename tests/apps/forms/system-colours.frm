VERSION 1.0
Begin Form frmColours
   Caption         =   "System colours"
   ScaleMode       =   1
   ClientWidth     =   5400
   ClientHeight    =   3600
   Begin VNTabCtl VNTabCtl1
      Left            =   120
      Top             =   120
      Width           =   5160
      Height          =   3360
      TabWidth        =   90
      NumTabs         =   3
      TabCaption1     =   "&Controls"
      Tab1Control1Name =  "lblName"
      Tab1Control2Name =  "txtName"
      Tab1Control3Name =  "chkBold"
      Tab1Control4Name =  "optLeft"
      Tab1Control5Name =  "cmdApply"
      Tab1Control6Name =  "lstFonts"
      Tab1Control7Name =  "fraBox"
      Tab1CtlCount    =   7
      TabCaption2     =   "&Empty"
      Tab2CtlCount    =   0
      TabCaption3     =   "&More"
      Tab3CtlCount    =   0
      Begin Label lblName
         Left            =   -74760
         Top             =   600
         Width           =   1200
         Height          =   255
         Caption         =   "&Name:"
      End
      Begin TextBox txtName
         Left            =   -73440
         Top             =   560
         Width           =   1800
         Height          =   315
         Text            =   "Kelmora"
      End
      Begin CheckBox chkBold
         Left            =   -74760
         Top             =   1080
         Width           =   1500
         Height          =   255
         Caption         =   "&Bold"
         Value           =   1
      End
      Begin OptionButton optLeft
         Left            =   -74760
         Top             =   1440
         Width           =   1500
         Height          =   255
         Caption         =   "&Left"
         Value           =   -1
      End
      Begin CommandButton cmdApply
         Left            =   -74760
         Top             =   1920
         Width           =   1200
         Height          =   375
         Caption         =   "&Apply"
      End
      Begin ListBox lstFonts
         Left            =   -73080
         Top             =   1080
         Width           =   1440
         Height          =   1215
      End
      Begin Frame fraBox
         Left            =   -71400
         Top             =   560
         Width           =   1320
         Height          =   1740
         Caption         =   "Frame"
      End
   End
End
