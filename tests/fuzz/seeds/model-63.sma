3
0, "quoted, with comma"
2, x
4, x
2
1, 1, 1, 
3, 1, 0, 
1
2E8, x
1
0.0004, 
2
2, 1, 1, 1, "quoted, with comma"
2, 3, 1, 1, span
4
1, 3, 13, -2, 1
0, 
1, 4, 3, 14, 0.5, 0.25, span
2, 4, 12, 13, 0.5, 0, "quoted, with comma"
2, 3
10, -3, 1, 0.25, 
2
2, -3, 0, 
1, -2, 0, span
