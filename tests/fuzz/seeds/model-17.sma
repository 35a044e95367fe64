2
0, "quoted, with comma"
3, "quoted, with comma"

2
1, 1, 0, span
2, 1, 0, "quoted, with comma"
1
2E8, x
1
8.5E-6, 
1
1, 2, 1, 1, span
0

0
