2
0, span
9, x
2
1, 1, 1, span
2
1, 0, 
1
2E8, 
1
8.5E-6, 
1
1, 2, 1, 1, "quoted, with comma"
0
0
