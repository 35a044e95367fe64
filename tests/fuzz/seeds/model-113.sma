
3
0, "quoted, with comma"
3.5, 
12.5, span
2
1, 1
0, x
3, 1, 0, 
1
2E8, "quoted, with comma"
2
8.5E-6, span
0.0004, 
2
1, 2, 1, 2, 
3, 2, 1, 1, "quoted, with comma"
1
2, 1
5, -4, 1, 0.25, x
2
2, 2, 3, x
3, -1, 2, x
