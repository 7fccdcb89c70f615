COM1	0	Zelquanodrim
