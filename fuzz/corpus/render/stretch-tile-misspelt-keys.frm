0VERSION 1.0
Begin Form frmPicturesStretchTile
   Caption         =   "Stretched and tiled pictures"
   ScaleMode       =   1
   ClientWidth     =   7440
   ClientHeight    =   3240
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
   EndProperty
   ' Stretched over the caption area: bitmaps fill it, the icon keeps its size at the top-left.
   Begin VNTabCtl tabStretch
      Left            =   120
      Top             =   120
      Width           =   7200
      Height          =   1440
      TabPictureAlign =   9
      TabCaptionAlign =   7
      TabActiveBold   =   -1  'True
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   10
      EndProperty
      TabHeight       =   40
      TabWidth        =   150
      NumTabs         =   3
      TabCaption1     =   "&Bricks"
      TabPicture1     =   "pictures/tile.bmp"
      TabCaption2     =   "&Disk"
      TabPicture2     =   "pictures/save.bmp"
      TabCeption3     =   "&Folder"
      TabPicture3     =   "pictures/open.ico"
   End
   ' Tiled from the caption area's corner, column by column; the last tiles are cut at its edges.
   Begin VNTabCtl tabTile
      Left            =   119
      Top             =   1680
      Width           =   3600
      Height          =   1440
      TabPictureAlign =   10
      TabCaptionAlign =   7
      TabActiveBold   =   -1  'True
      BeginProperty TabCaptionĐnt
         Name            =   "Arial"
         Size            =   10
      EndProperty
      TabHeight       =   40
      TabWidth        =   150
      NumTabs         =   3
      TabCaption1     =   "&Bricks"
      TabPicture1     =   "pictures/tile.bmp"
      TabCaption2     =   "&Disk"
      TabPicture2     =   "pictures/save.bmp"
      TabCaption3     =   "&Folder"
      TabPicture3     =   "pictures/open.ico"
   End
End
